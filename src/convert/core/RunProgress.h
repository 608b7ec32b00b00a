// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress of a conversion run as the run window and the command line
// show it, added up entry by entry: files done, seconds of audio done, the
// running entries' mean percentage and the estimate of the time left. Pure.
#include <QList>

#include "convert/core/ProgressParser.h"

namespace quavero {

// Converted: carried out (converted, copied or removed); Skipped: up to date.
enum class EntryState { Waiting, Running, Converted, Failed, NotConverted, Skipped };

// What the run window and the command line show.
struct RunProgress {
    int total = 0;
    int done = 0; // converted, failed or skipped
    int converted = 0;
    int failed = 0;
    int skipped = 0; // up to date: nothing to do
    double audioSecondsDone = 0;
    double audioSecondsTotal = 0;
    QList<int> running;      // the running entries, in the order they started
    int meanPercent = 0;     // of the running entries that can tell a percentage
    bool busy = false;       // files run but none can tell its percentage
    qint64 secondsLeft = -1; // -1 until it can be estimated
};

// How the run is paced and how long it has worked, for the estimate.
struct RunTiming {
    bool estimating = false; // the run is going on and was not cancelled
    qint64 workedMs = 0;     // time so far with at least one entry running
    int filesAtOnce = 1;
    int pauseMs = 0;           // after each end, before the next step
    qint64 pauseElapsedMs = 0; // how long the pause going on now has lasted; 0 when none
};

class ProgressTally {
public:
    // One entry, in list order. seconds: its duration (0 when unknown);
    // counted: false for an entry that was never going to run (it had a
    // problem from the start), whose duration is no part of the work;
    // reading: its newest reading while it runs, when it gave one.
    void add(EntryState state, double seconds, bool counted, const ProgressReading *reading);
    RunProgress result(const QList<int> &running, const RunTiming &timing) const;

private:
    RunProgress m_p;
    bool m_everyDurationKnown = true;
    double m_filesDone = 0;
    int m_files = 0;      // entries whose work the estimate measures
    int m_filesEnded = 0; // of those, the ones that ran and ended
    int m_waiting = 0;
    int m_withPercent = 0;
    int m_percentSum = 0;
    int m_busy = 0;
};

} // namespace quavero
