// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Normalising: one linear gain that brings a measured loudness to a target,
// held back where the true peak would pass -1 dBTP, so the dynamics stay as
// they were. ffmpeg applies it with its volume filter.
#include <QString>

#include "loudness/core/Measurement.h"

namespace quavero {

struct NormalizeGain {
    bool applies = false;     // false: nothing to go on (too short, silent); the audio stays as it is
    double gainDb = 0.0;      // the gain to apply
    double targetLufs = 0.0;  // what was asked for
    double reachedLufs = 0.0; // what the gain gives
    bool peakLimited = false; // the peak limit held the gain below the target
};

namespace loudness {
constexpr double kTruePeakLimit = -1.0; // dBTP
// Targets the option takes, in LUFS.
constexpr double kLowestTarget = -70.0;
constexpr double kHighestTarget = 0.0;

bool isTargetInRange(double lufs);
// The gain that takes the measured audio to targetLufs, or as near as the
// peak limit allows.
NormalizeGain normalizeGain(const LoudnessMeasurement &measured, double targetLufs, double peakLimitDbtp = kTruePeakLimit);
// The ffmpeg filter that applies gainDb: "volume=3.50dB".
QString volumeFilter(double gainDb);
// "reached -17.2 LUFS of -14: peak limit" when the limit held the gain back;
// empty when the target was reached or nothing was applied.
QString shortfallText(const NormalizeGain &gain);
} // namespace loudness

} // namespace quavero
