// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What one loudness measurement gives: a track's, or an album's from all its
// tracks together. Plain data; the meter in loudness/engine fills it.
#include <QString>
#include <QtGlobal>

namespace quavero {

struct LoudnessMeasurement {
    enum class Status {
        Measured, // lufs and the peaks hold values
        TooShort, // under one gating block (0.4 s) of audio
        Silent,   // no gating block above the absolute gate of -70 LUFS
        Failed,   // the audio could not be measured at all
    };
    Status status = Status::Failed;
    double lufs = 0.0;       // integrated loudness (ITU-R BS.1770), LUFS
    double truePeak = 0.0;   // largest true peak of any channel, 1.0 = full scale
    double samplePeak = 0.0; // largest sample of any channel, 1.0 = full scale
    double seconds = 0.0;    // audio measured
    bool measured() const { return status == Status::Measured; }
};

namespace loudness {
// Shorter than this, no gating block is complete and nothing can be measured.
constexpr double kMinimumSeconds = 0.4;

// The status of a measurement of frames at sampleRate whose integrated
// loudness came out as lufs (-inf when every block was gated away).
LoudnessMeasurement::Status statusFor(qint64 frames, int sampleRate, double lufs);

// Why a measurement gave no values, in the words a summary shows
// ("too short to measure", "silent"); empty for a measured one.
QString warningText(LoudnessMeasurement::Status status);
} // namespace loudness

} // namespace quavero
