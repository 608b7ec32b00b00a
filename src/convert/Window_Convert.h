// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The run window: a sheet over the main window that shows what a
// ConversionRun reports (the overall bar `progress`, "N of M"; the per-file
// bar `progressUnit`, the mean percentage when several files convert at once;
// the names of the files converting; the time left) and passes Cancel on.
// When the run has converted its last entry the window calls its close
// operation (the controller's Close_Window_Convert).
//
// Cancel closes the sheet at once but does not stop the entries converting:
// they complete, then the window (and the run it owns) deletes itself.
#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>

class QProgressBar;
namespace Ui {
class Window_Convert;
}

namespace quavero {

class ConversionRun;

class Window_Convert : public QDialog {
    Q_OBJECT
public:
    // Takes the run (not yet started) as its child; closeWindow is called
    // when the run has converted its last entry or was stopped.
    Window_Convert(ConversionRun *run, std::function<void()> closeWindow, QWidget *parent);
    ~Window_Convert() override;

    // Prepares the bars and starts the run.
    void windowDidLoad();
    void OnUserCancel();
    // Ends the sheet; the window deletes itself once no entry is being
    // converted, emitting released() just before.
    void release();

    QPointer<QProgressBar> progressUnit;
    QPointer<QProgressBar> progress;

    ConversionRun *run() const { return m_run; }
    // True while an entry's ffmpeg or sox runs.
    bool isConvertingEntry() const;
    // The texts shown above the bars and below them.
    QString filesText() const;
    QString timeLeftText() const;

signals:
    void released();

protected:
    // Escape and the window's close button act as Cancel.
    void reject() override;

private:
    void showProgress();
    void onRunFinished();

    std::unique_ptr<Ui::Window_Convert> m_ui;
    ConversionRun *m_run;
    std::function<void()> m_closeWindow;
    bool m_released = false;
    bool m_releaseSent = false;
};

} // namespace quavero
