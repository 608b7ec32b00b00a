// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs one stage of an entry (ffmpeg or sox) as a child process on the thread
// that owns the runner, and judges it: the program started, did not crash,
// exited 0, said nothing of a failed write ("No space left on device",
// "Error writing trailer", sox's "error writing output file": both can exit 0
// after one), and, for ffmpeg, wrote a file as long as it reported writing.
// A failure's reason says in plain words what went wrong (plainfailure); the
// outcome keeps the command line and the end of what the program printed.
//
// ffmpeg runs with separate output and error pipes and standard input
// /dev/null; every chunk of its error output goes through the progress parser
// and gives progressChanged() (a percentage, or busy when the duration is
// unknown). An output shorter than the input (a damaged input read only in
// part) is a warning, not a failure. sox runs with output and error joined;
// what it says goes to the system log.
//
// finished() is emitted exactly once per start(), always from the event loop
// (never from inside start()); stop() kills the child and emits nothing.
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <functional>

#include "convert/core/EntryDetails.h"
#include "convert/core/EntryPlan.h"
#include "convert/core/PlainFailure.h"
#include "convert/core/ProgressParser.h"

namespace quavero {

struct StageRun {
    PlannedStage stage;
    QString programPath;
    QStringList shownArguments; // the arguments as the details show them
    QString input;              // what the program reads, as it was given it (for the reason's words)
    qint64 durationSeconds = 0; // ffmpeg: the entry's duration for percentages; 0 when unknown
    QString durationText;       // ffmpeg: the list's duration text, when ffmpeg does not say
    // ffmpeg: what it writes to its standard output (decoded audio for the
    // loudness meter), chunk by chunk; discarded when not set.
    std::function<void(const QByteArray &)> standardOutput;
    bool cut = false; // ffmpeg reads a part of its input (a track of an image): its report on the input is the whole file's
};

struct StageOutcome {
    PlainFailure failure; // empty reason when the stage succeeded
    QStringList warnings;
    ProgramOutput program; // the command line and the end of its output
    bool ok() const { return failure.reason.isEmpty(); }
};

class StageRunner : public QObject {
    Q_OBJECT
public:
    explicit StageRunner(QObject *parent = nullptr);
    // A runner destroyed while its child runs kills the child.
    ~StageRunner() override;

    void start(const StageRun &run);
    // Kills the running child and waits for it; finished() does not follow.
    void stop();
    bool isRunning() const { return m_process != nullptr; }
    // The command line and the end of what the program has printed so far.
    ProgramOutput programOutput() const;

signals:
    void progressChanged(ProgressReading reading);
    void finished(StageOutcome outcome);

private:
    bool isFfmpeg() const { return m_run.stage.program == StageProgram::Ffmpeg; }
    void onOutputData();
    void onErrorData();
    void onFinished(int exitCode, int exitStatus);
    PlainFailure judge(int exitCode, int exitStatus) const;
    PlainFailure writtenProblem(const FailureContext &context, int exitCode) const;
    PlainFailure writeFailure(const FailureContext &context, int exitCode, const QByteArray &output) const;
    QStringList shortOutputWarnings() const;
    void finishLater(const StageOutcome &outcome);
    void drop();

    StageRun m_run;
    QPointer<QProcess> m_process;
    QByteArray m_output; // its start (where ffmpeg describes the input) and its end
    quint64 m_generation = 0;
};

} // namespace quavero

Q_DECLARE_METATYPE(quavero::StageOutcome)
