// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sheet shown over the main window while files are added: a fixed
// description and a progress bar that advances one step per file. It cannot be
// dismissed by the user; the add ends it after its last file.
#include <QDialog>
#include <QPointer>
#include <memory>

class QLabel;
class QProgressBar;

namespace Ui {
class Window_Progress;
}

namespace quavero {

class Window_Progress : public QDialog {
    Q_OBJECT
public:
    explicit Window_Progress(QWidget *parent = nullptr);
    ~Window_Progress() override;

    QPointer<QLabel> labelDescription;
    QPointer<QProgressBar> progressBar;

    // Shows the sheet over its parent window (window-modal; returns at once)
    // with the bar at 0 of total.
    void beginSheet(int total);
    // Moves the bar to done steps.
    void setDone(int done);
    // Closes the sheet for good and deletes it later.
    void endSheet();

public slots:
    // Escape does not dismiss the sheet: the add in progress ends it.
    void reject() override {}

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::unique_ptr<Ui::Window_Progress> m_ui;
    bool m_ending = false;
};

} // namespace quavero
