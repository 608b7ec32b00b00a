// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The estimate of the time a conversion run still needs, and how the run
// window says it ("About 2 minutes left"). Pure.
#include <QString>
#include <optional>

namespace quavero {

namespace timeleft {
// What the run knows when it estimates.
struct Measure {
    qint64 workedMs = 0;     // time so far during which at least one file converted
    double fractionDone = 0; // 0..1 of the run's work
    qint64 pausesLeftMs = 0; // pauses still to come between files, less the part of one already waited
    int filesEnded = 0;      // files of the run's work that have ended (converted, copied or failed)
};

// The seconds left: the work still to do at the pace of the work done so far,
// and the pauses still to come. Nothing until one file has ended: the first
// moments of a file (opening it, writing headers) say little of the pace.
std::optional<qint64> estimate(const Measure &measure);

// The pauses still to come: one before each waiting file, counted for each
// step that starts up to filesAtOnce of them, less the part of the pause
// going on now that has passed.
qint64 pausesLeftMs(int waiting, int filesAtOnce, int pauseMs, qint64 pauseElapsedMs);

// The part of the run done: seconds of audio done against the total probed
// duration when every entry has a duration, else files done (a running file
// with a percentage counting for its part) against all files.
double fractionDone(double audioSecondsDone, double audioSecondsTotal, bool everyDurationKnown, double filesDone,
                    int files);

// "About 2 minutes left", "About 1 minute left", "About 40 seconds left",
// "About 1 hour 10 minutes left", "Almost done" (five seconds or less).
QString text(qint64 seconds);
} // namespace timeleft

} // namespace quavero
