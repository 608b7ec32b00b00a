// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Gains from a loudness, and the texts players read them as. ReplayGain 2.0
// aims at -18 LUFS and writes "-6.52 dB" and peaks as "0.981234"; Ogg Opus
// (RFC 7845) aims at -23 LUFS and writes whole steps of 1/256 dB ("Q7.8").
#include <QString>

namespace quavero {

namespace loudness {
constexpr double kReplayGainReference = -18.0; // LUFS
constexpr double kOpusReference = -23.0;       // LUFS

// The ReplayGain 2.0 gain in dB that brings lufs to the reference.
double replayGainDb(double lufs);
// "-6.52 dB", "2.66 dB": two decimals, no plus sign, never "-0.00".
QString gainText(double db);
// "0.981234": six decimals of the linear peak.
QString peakText(double peak);
// "-18.00 LUFS", the REPLAYGAIN_REFERENCE_LOUDNESS value.
QString referenceText();
// The R128 gain of RFC 7845: (-23 - lufs) dB in steps of 1/256 dB, rounded to
// the nearest step and kept within a signed 16-bit value.
int opusGainQ78(double lufs);
} // namespace loudness

} // namespace quavero
