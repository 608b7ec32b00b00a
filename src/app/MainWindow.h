// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window, built from MainWindow.ui. It holds no logic: the
// application controller reads its controls and reacts to its commands.
#include <QMainWindow>
#include <memory>

namespace Ui {
class MainWindow;
}

namespace quavero {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;
    Ui::MainWindow *ui() const { return m_ui.get(); }

signals:
    // The user (or the window manager) closes the window.
    void closing();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::unique_ptr<Ui::MainWindow> m_ui;
};

} // namespace quavero
