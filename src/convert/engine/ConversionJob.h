// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Carries out one entry's plan, asynchronously, on the thread that owns the
// job (the main loop of the GUI or of the command-line tool): the input is
// checked, the output publisher readies the paths, the stages run one after
// the other (StageRunner), and the publisher judges and tags the finished
// file. The job decides nothing the plan has decided.
//
// A failed entry leaves no file at its final path and no intermediate file.
// Only a regular file (or a link to one) is opened as input: a FIFO would
// block ffmpeg for ever. finished() is emitted exactly once per start(),
// always from the event loop (never from inside start()).
//
// stop() kills a running child at once, removes the partial outputs and
// emits finished() with ok false before it returns (for Ctrl-C). A caller
// that merely stops waiting (the run window's Cancel) lets the job complete.
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "convert/core/ConversionResult.h"
#include "convert/core/EntryPlan.h"
#include "convert/core/ProgramPaths.h"
#include "convert/core/ProgressParser.h"
#include "loudness/engine/EntryGains.h"

namespace quavero {

class StageRunner;
class OutputLedger;
class OutputPublisher;
struct StageOutcome;

class ConversionJob : public QObject {
    Q_OBJECT
public:
    // ledger: where the finished file is published (and noted); none
    // publishes without a record.
    // gains: the run's album gains; none when the run writes no album pair.
    explicit ConversionJob(const ProgramPaths &programs, std::shared_ptr<OutputLedger> ledger = {},
                           QObject *parent = nullptr, std::shared_ptr<RunGains> gains = {});
    // A job destroyed while running kills its child (without emitting finished).
    ~ConversionJob() override;

    // Starts carrying out one entry's plan. Only one entry at a time: a
    // start() while running is ignored.
    void start(const EntryPlan &plan);
    // Kills the running child, removes the partial outputs, emits finished().
    void stop();
    // Stops every running job of the program, telling nobody (finished() is
    // not emitted): for a program that is about to end.
    static void stopAll();
    bool isRunning() const { return m_running; }
    // Asked just before the finished file is published: true when a stop is
    // on its way, and the file must not take the final name.
    void setStopPending(std::function<bool()> pending);

signals:
    void progressChanged(ProgressReading reading);
    void effectsStarted();
    void finished(ConversionResult result);

private:
    void runStage(int stage);
    void onStageFinished(const StageOutcome &outcome);
    void onPublished(const QString &reason, const QStringList &warnings);
    // Ends the entry: on failure removes what this entry wrote.
    void finish(bool ok, const QString &reason);
    void finishLater(bool ok, const QString &reason);

    ProgramPaths m_programs;
    StageRunner *m_stage;
    OutputPublisher *m_publisher;
    std::shared_ptr<RunGains> m_runGains;
    EntryGains m_loudness; // measures what the stages send it, tags the output
    EntryPlan m_plan;
    int m_stageIndex = -1;
    QList<ProgramOutput> m_programsRun; // the stages that ran, with the end of their output
    QStringList m_warnings;             // of the current entry, for its result
    QString m_rawMessage;
    bool m_stopsRun = false;
    bool m_stopping = false; // stop() is ending the entry
    bool m_running = false;
    bool m_prepared = false;  // the publisher readied the paths: what is there now is this entry's
    quint64 m_generation = 0; // tells a queued finish of an earlier entry from the current one
};

} // namespace quavero
