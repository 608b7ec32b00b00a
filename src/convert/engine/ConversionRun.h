// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One conversion run, for the run window and for quavero-cli alike: it
// carries out a run plan entry by entry, with the order and pacing of the
// entries, Cancel and stop, the results and the progress with an estimate of
// the time left. What each entry does was decided by the plan.
//
// Order and pacing. The first step comes firstDelayMs after start() (at once
// when 0). Each step starts, in list order, as many waiting entries as there
// are free places (filesAtOnce). When an entry ends and entries are left, the
// next step comes pauseMs after that end (at once when 0; a pending step is
// then put off, never doubled). The plan gives every entry paths of its own,
// so entries run at once never write the same file. An entry that is not
// ready (its duration not yet probed) is passed over until entryReady().
//
// Two endings before the last entry:
//  - cancel(): the running entries complete (their files stay), no further
//    entry starts, a pending step converts nothing;
//  - stop(): the running entries are killed and their partial files removed,
//    no further entry starts;
//  - an entry that fails on a full disk: no further entry starts (each would
//    fail the same way), the waiting ones are not converted, the running ones
//    end on their own.
// finished() is emitted once, when no entry runs any more and none will start,
// always from the event loop (never from inside start()).
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#include "convert/core/EntryPlan.h"
#include "convert/core/RunProgress.h"
#include "convert/engine/ConversionJob.h"
#include "convert/engine/RunClock.h"
#include "convert/engine/RunJob.h"

namespace quavero {

struct RunPacing {
    int firstDelayMs = 0; // from start() to the first step
    int pauseMs = 0;      // from the end of an entry to the next step
    int filesAtOnce = 1;
};

struct RunSetup {
    RunPlan plan;
    // Each entry waits for entryReady() (its duration) before it starts.
    bool waitForDurations = false;
    RunPacing pacing;
    // Input files that are not entries of the run but must never be written
    // either (the list as it is now, asked at each entry's start).
    std::function<QStringList()> otherInputs;
    // Only the stale temporaries of this run's own outputs are removed: for
    // a worker of a job list whose folders other machines write in at the
    // same time, whose process ids cannot be told alive from here.
    bool ownTemporariesOnly = false;
};

class ConversionRun : public QObject {
    Q_OBJECT
public:
    // clock: the main loop's when none is given.
    ConversionRun(RunSetup setup, RunJobFactory jobs, std::unique_ptr<RunClock> clock = {}, QObject *parent = nullptr);
    ~ConversionRun() override;

    // Begins the run: the temporary files a stopped run left in the folders
    // this one writes are removed, entries the plan could not convert fail
    // and those it found up to date are done at once, in list order; the
    // first step comes after the first delay.
    void start();
    // The per-file step: starts the waiting entries there is room for.
    void TimerConvertNextRoutine();
    void cancel();
    void stop();
    // The entry's duration is known now; it may start.
    void entryReady(int index, const QString &durationText, qint64 seconds);
    // Asked before starting an entry and when one ends: true when a stop is
    // on its way (a signal not yet delivered) and nothing may start, and an
    // entry that ends now counts as stopped.
    void setStopPending(std::function<bool()> pending) { m_stopPending = std::move(pending); }

    // ---- state ----
    bool b_Cancel = false; // set by cancel() and stop()
    bool isStopped() const { return m_stopped; }
    // True when an entry found the disk full: no further entry started, the
    // waiting ones are not converted (their result says why).
    bool stoppedByFullDisk() const { return m_fullDisk; }
    bool isFinished() const { return m_finished; }
    // True from start() until finished().
    bool isActive() const { return m_started && !m_finished; }
    // True while the next step waits for its timer.
    bool isPausing() const { return m_clock->timerActive(); }
    bool isConvertingEntry() const { return m_running > 0; }

    const RunPacing &pacing() const { return m_setup.pacing; }
    const RunPlan &plan() const { return m_setup.plan; }
    QString destinationFolder() const { return m_setup.plan.destinationFolder; }
    int entryCount() const { return int(m_items.size()); }
    const EntryPlan &entry(int index) const { return m_setup.plan.entries[index]; }
    EntryState state(int index) const { return m_items[size_t(index)].state; }
    // The result of an entry that has ended (a failure's reason, the output).
    const ConversionResult &result(int index) const { return m_items[size_t(index)].result; }
    // The newest reading of a running entry, if it gave one.
    ProgressReading reading(int index) const { return m_items[size_t(index)].reading; }
    // The failed entries, in list order.
    QList<int> failedEntries() const;
    RunProgress progress() const;

signals:
    void entryStarted(int index);
    void entryProgressed(int index);
    // A started entry has ended (converted, failed or stopped), or an entry
    // the plan could not convert failed.
    void entryFinished(int index);
    // Anything the progress shows has changed.
    void progressChanged();
    void finished();

private:
    struct Item {
        EntryState state = EntryState::Waiting;
        bool ready = true;
        std::unique_ptr<RunJob> job;
        ProgressReading reading;
        bool hasReading = false;
        ConversionResult result;
    };

    bool stopPending() const;
    qint64 seconds(int index) const;
    void startReadyEntries();
    void startEntry(int index);
    bool writesAnotherInput(int index) const;
    void onJobFinished(int index, const ConversionResult &result);
    void failEntry(int index, const QString &reason);
    void removeStaleTemporaries();
    void stopForFullDisk();
    void retire(std::unique_ptr<RunJob> job);
    void markWaitingNotConverted();
    void finishIfDone();
    void noteRunningChanged(int before);
    qint64 workedMs() const;

    RunSetup m_setup;
    RunJobFactory m_jobs;
    std::unique_ptr<RunClock> m_clock;
    std::function<bool()> m_stopPending;
    std::vector<Item> m_items;
    std::vector<std::unique_ptr<RunJob>> m_retired;
    QList<int> m_runningOrder;
    int m_running = 0;
    int m_firstOpen = 0; // the first entry that is waiting or running
    bool m_started = false;
    bool m_inStart = false;
    bool m_firstStepDone = false;
    bool m_stopped = false;
    bool m_fullDisk = false;
    bool m_finished = false;
    qint64 m_workedMs = 0;        // time with entries running, up to m_runningSince
    qint64 m_runningSince = -1;   // when the running count went above 0
    qint64 m_pauseStartedMs = -1; // when the newest pause between files began
};

} // namespace quavero
