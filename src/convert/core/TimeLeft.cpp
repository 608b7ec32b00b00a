// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/TimeLeft.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace quavero {

namespace timeleft {
std::optional<qint64> estimate(const Measure &m)
{
    if (m.filesEnded < 1 || m.fractionDone <= 0)
        return std::nullopt;
    const double fraction = std::min(1.0, m.fractionDone);
    const double workLeftMs = double(m.workedMs) * (1.0 - fraction) / fraction;
    return qint64(std::ceil((workLeftMs + double(qMax<qint64>(0, m.pausesLeftMs))) / 1000.0));
}

qint64 pausesLeftMs(int waiting, int filesAtOnce, int pauseMs, qint64 pauseElapsedMs)
{
    if (waiting <= 0 || pauseMs <= 0)
        return 0;
    const int atOnce = qMax(1, filesAtOnce);
    const qint64 pauses = qint64((waiting + atOnce - 1) / atOnce) * pauseMs;
    return qMax<qint64>(0, pauses - qBound(qint64(0), pauseElapsedMs, qint64(pauseMs)));
}

double fractionDone(double audioSecondsDone, double audioSecondsTotal, bool everyDurationKnown, double filesDone, int files)
{
    if (everyDurationKnown && audioSecondsTotal > 0)
        return std::clamp(audioSecondsDone / audioSecondsTotal, 0.0, 1.0);
    return files > 0 ? std::clamp(filesDone / files, 0.0, 1.0) : 0.0;
}

QString text(qint64 seconds)
{
    if (seconds <= 5)
        return QCoreApplication::translate("TimeLeft", "Almost done");
    if (seconds < 60) {
        // In steps of five seconds: a count that changes every second is noise.
        const qint64 rounded = qMax<qint64>(10, (seconds + 4) / 5 * 5);
        return rounded >= 60 ? QCoreApplication::translate("TimeLeft", "About 1 minute left")
                             : QCoreApplication::translate("TimeLeft", "About %1 seconds left").arg(rounded);
    }
    const qint64 minutes = (seconds + 30) / 60;
    if (minutes < 60)
        return minutes == 1 ? QCoreApplication::translate("TimeLeft", "About 1 minute left")
                            : QCoreApplication::translate("TimeLeft", "About %1 minutes left").arg(minutes);
    // Above an hour, in steps of five minutes.
    const qint64 steps = (seconds + 150) / 300;
    const qint64 hours = steps / 12;
    const qint64 rest = steps % 12 * 5;
    if (rest == 0)
        return hours == 1 ? QCoreApplication::translate("TimeLeft", "About 1 hour left")
                          : QCoreApplication::translate("TimeLeft", "About %1 hours left").arg(hours);
    return hours == 1 ? QCoreApplication::translate("TimeLeft", "About 1 hour %1 minutes left").arg(rest)
                      : QCoreApplication::translate("TimeLeft", "About %1 hours %2 minutes left").arg(hours).arg(rest);
}
} // namespace timeleft

} // namespace quavero
