// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "ui_MainWindow.h"

#include <QCloseEvent>

namespace quavero {

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), m_ui(std::make_unique<Ui::MainWindow>())
{
    m_ui->setupUi(this);
}

MainWindow::~MainWindow() = default;

void MainWindow::closeEvent(QCloseEvent *event)
{
    emit closing();
    QMainWindow::closeEvent(event);
}

} // namespace quavero
