// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness/core/Gains.h"

#include <algorithm>
#include <cmath>

namespace quavero {

namespace loudness {
namespace {
// A value rounded to the given decimals, with a negative zero made positive
// so that a gain of -0.001 dB reads "0.00 dB".
QString fixed(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0.0)
        rounded = 0.0;
    return QString::number(rounded, 'f', decimals);
}
} // namespace

double replayGainDb(double lufs) { return kReplayGainReference - lufs; }

QString gainText(double db) { return fixed(db, 2) + QStringLiteral(" dB"); }

QString peakText(double peak) { return fixed(peak, 6); }

QString referenceText() { return fixed(kReplayGainReference, 2) + QStringLiteral(" LUFS"); }

int opusGainQ78(double lufs)
{
    const double steps = std::round((kOpusReference - lufs) * 256.0);
    return int(std::clamp(steps, -32768.0, 32767.0));
}
} // namespace loudness

} // namespace quavero
