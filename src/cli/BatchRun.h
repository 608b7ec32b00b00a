#pragma once
// Converts a list of files with up to N conversion jobs at once on one event
// loop. Durations are probed in parallel ahead of the conversions. Entries
// that would write the same file (a.wav and a.flac to mp3) never run at the
// same time: they run in list order, so the later one replaces the earlier
// exactly as one file after the other would.
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "cli/InputFiles.h"
#include "formats/core/Records.h"

class ConversionJob;
struct ConversionResult;

namespace cli {
class DurationProbes;
class ProgressDisplay;

struct BatchSettings {
    int formatIndex = 8;
    const FormatRecords *records = nullptr; // must outlive the run
    QString destinationFolder;              // absolute
    QString workFolder;                     // the run's private temporary folder
    QString ffmpegPath;
    QString soxPath;
    int jobs = 1;
    // The durations only serve the percentages of the live display: without
    // it the probes would be work for nothing.
    bool probeDurations = true;
    bool copyTags = true; // the input's tags and pictures go into each output
};

struct BatchFailure {
    QString path;
    QString reason;
};

// A file that was converted, with something the user should know about it
// ("tags not copied: ...").
struct BatchWarning {
    QString path;
    QString warning;
};

struct BatchOutcome {
    int converted = 0;
    int failed = 0;
    int notConverted = 0;  // stopped, or never started because of a stop
    int stopSignal = 0;    // the signal that stopped the run, 0 when it ran to its end
    QList<BatchFailure> failures;
    QList<BatchWarning> warnings;
};

class BatchRun : public QObject {
    Q_OBJECT
public:
    BatchRun(const BatchSettings &settings, const QList<InputFile> &files, ProgressDisplay *display,
             QObject *parent = nullptr);
    ~BatchRun() override;

    void start();
    // Ends the running conversions (their partial files are removed), starts
    // no more, and finishes the run.
    void stop(int signalNumber);
    const BatchOutcome &outcome() const { return m_outcome; }

signals:
    void finished();

private:
    enum class State { Waiting, Running, Converted, Failed, Stopped };
    struct Item {
        InputFile file;
        QString name;       // the path as shown to the user
        QStringList writes; // the paths its conversion writes
        bool probed = false;
        State state = State::Waiting;
        ConversionJob *job = nullptr;
    };

    void onProbed(int index, const QString &durationText, qint64 seconds);
    void startReadyItems();
    void startItem(int index);
    void onJobFinished(int index, const ConversionResult &result);
    void failItem(int index, const QString &reason);
    void finishIfDone();

    BatchSettings m_settings;
    QList<Item> m_items;
    QStringList m_inputPaths;
    ProgressDisplay *m_display;
    DurationProbes *m_probes;
    int m_running = 0;
    int m_firstOpen = 0; // the first item that is waiting or running
    bool m_stopping = false;
    bool m_finished = false;
    BatchOutcome m_outcome;
};

// The path as the user would like to read it: relative to the current folder
// when it lies below it, else absolute.
QString shownPath(const QString &path);
} // namespace cli
