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
    qint64 pausesLeftMs = 0; // pauses still to come between files
};

// The seconds left, or nothing while too little is known: no work done yet,
// or less than a second of it measured.
std::optional<qint64> estimate(const Measure &measure);

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
