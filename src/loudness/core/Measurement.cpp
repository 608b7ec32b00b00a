// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness/core/Measurement.h"

#include <QCoreApplication>

#include <cmath>

namespace quavero {

namespace loudness {
LoudnessMeasurement::Status statusFor(qint64 frames, int sampleRate, double lufs)
{
    using Status = LoudnessMeasurement::Status;
    if (sampleRate <= 0 || frames < 0)
        return Status::Failed;
    // The first gating block is complete after 400 ms, counted as libebur128
    // counts it: four blocks of 100 ms, each rounded to whole frames.
    const qint64 blockFrames = 4 * ((qint64(sampleRate) + 5) / 10);
    if (frames < blockFrames)
        return Status::TooShort;
    if (!std::isfinite(lufs))
        return Status::Silent;
    return Status::Measured;
}

QString warningText(LoudnessMeasurement::Status status)
{
    switch (status) {
    case LoudnessMeasurement::Status::Measured:
        return QString();
    case LoudnessMeasurement::Status::TooShort:
        return QCoreApplication::translate("Loudness", "too short to measure");
    case LoudnessMeasurement::Status::Silent:
        return QCoreApplication::translate("Loudness", "silent");
    case LoudnessMeasurement::Status::Failed:
        break;
    }
    return QCoreApplication::translate("Loudness", "the loudness could not be measured");
}
} // namespace loudness

} // namespace quavero
