#pragma once
// The run window: a sheet over the main window with the overall bar
// `progress`, the per-file bar `progressUnit` and Cancel. It converts the
// entries of the list one after the other through a ConversionJob, the first
// step 0.1 s after it opens and each further one 2.0 s after the previous has
// ended, and hands the end of the run to AppDelegate::Close_Window_Convert.
//
// Cancel closes the sheet at once but does not stop the entry being
// converted: its ffmpeg (and sox) complete, then the window deletes itself.
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QTimer>
#include <memory>

#include "convert/core/RunReport.h"
#include "filelist/core/NodeVideoFile.h"

class AppDelegate;
class ConversionJob;
class QProgressBar;
struct ConversionResult;
struct ProgressReading;
namespace Ui {
class Window_Convert;
}

class Window_Convert : public QDialog {
    Q_OBJECT
public:
    Window_Convert(AppDelegate *app, QWidget *parent);
    ~Window_Convert() override;

    // Prepares the run: bars, index, the first step's timer.
    void windowDidLoad();
    // The per-file step.
    void TimerConvertNextRoutine();
    void OnUserCancel();
    // Ends the sheet; the window deletes itself once no entry is being
    // converted, emitting released() just before.
    void release();

    // ---- state of the run ----
    bool b_Cancel = false;
    QPointer<QProgressBar> progressUnit;
    QPointer<QProgressBar> progress;
    QTimer timerConvertNext;
    qint64 i_Current_File_Index = 0;
    QString sffmpegPath;
    qint64 i_Orig_Duration_in_Seconds = 0;

    int entryCount() const { return int(m_entries.size()); }
    const QList<FailedEntry> &failures() const { return m_failures; }
    const QList<ConvertedWithWarning> &warnings() const { return m_warnings; }
    QString destinationFolder() const { return m_destinationFolder; }
    // True while an entry's ffmpeg or sox runs.
    bool isConvertingEntry() const;

signals:
    void released();

protected:
    // Escape and the window's close button act as Cancel.
    void reject() override;

private:
    void showReading(const ProgressReading &reading);
    void onEntryFinished(const ConversionResult &result);
    QStringList inputPaths() const;

    AppDelegate *m_app;
    std::unique_ptr<Ui::Window_Convert> m_ui;
    ConversionJob *m_job = nullptr;
    QList<NodeVideoFile> m_entries;  // the list as it was when the run began
    QString m_destinationFolder;
    QList<FailedEntry> m_failures;
    QList<ConvertedWithWarning> m_warnings;
    bool m_released = false;
};
