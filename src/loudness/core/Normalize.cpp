// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness/core/Normalize.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace quavero {

namespace loudness {
bool isTargetInRange(double lufs) { return std::isfinite(lufs) && lufs >= kLowestTarget && lufs <= kHighestTarget; }

NormalizeGain normalizeGain(const LoudnessMeasurement &measured, double targetLufs, double peakLimitDbtp)
{
    NormalizeGain gain;
    gain.targetLufs = targetLufs;
    gain.reachedLufs = measured.lufs;
    if (!measured.measured() || !(measured.truePeak > 0.0))
        return gain;
    gain.applies = true;
    const double wanted = targetLufs - measured.lufs;
    const double headroom = peakLimitDbtp - 20.0 * std::log10(measured.truePeak);
    // A limit met only within the filter's two decimals is no shortfall.
    gain.peakLimited = wanted - headroom > 0.005;
    // Held back by the limit, the gain is rounded down to the filter's
    // hundredths of a dB, so rounding cannot lift the peak past the limit.
    gain.gainDb = gain.peakLimited ? std::floor(headroom * 100.0 + 1e-6) / 100.0 : std::min(wanted, headroom);
    gain.reachedLufs = measured.lufs + gain.gainDb;
    return gain;
}

QString volumeFilter(double gainDb)
{
    double rounded = std::round(gainDb * 100.0) / 100.0;
    if (rounded == 0.0)
        rounded = 0.0;
    return QStringLiteral("volume=%1dB").arg(QString::number(rounded, 'f', 2));
}

QString shortfallText(const NormalizeGain &gain)
{
    if (!gain.applies || !gain.peakLimited)
        return QString();
    return QCoreApplication::translate("Loudness", "reached %1 LUFS of %2: peak limit")
        .arg(QString::number(gain.reachedLufs, 'f', 1), QString::number(gain.targetLufs));
}
} // namespace loudness

} // namespace quavero
