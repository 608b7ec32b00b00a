// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/Window_Progress.h"

#include "ui_Window_Progress.h"

#include <QCloseEvent>

namespace quavero {

Window_Progress::Window_Progress(QWidget *parent) : QDialog(parent), m_ui(std::make_unique<Ui::Window_Progress>())
{
    m_ui->setupUi(this);
    labelDescription = m_ui->labelDescription;
    progressBar = m_ui->progressBar;
    setWindowModality(Qt::WindowModal);
    // No close button: only the add ends the sheet.
    setWindowFlag(Qt::WindowCloseButtonHint, false);
}

Window_Progress::~Window_Progress() = default;

void Window_Progress::beginSheet(int total)
{
    progressBar->setMinimum(0);
    progressBar->setMaximum(total);
    progressBar->setValue(0);
    open();
}

void Window_Progress::setDone(int done)
{
    // The bar redraws itself when the change shows.
    progressBar->setValue(done);
}

void Window_Progress::endSheet()
{
    m_ending = true;
    done(QDialog::Accepted);
    deleteLater();
}

void Window_Progress::closeEvent(QCloseEvent *event)
{
    if (m_ending)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

} // namespace quavero
