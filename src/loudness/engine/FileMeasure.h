// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Measures a whole file: ffmpeg decodes it to the meter through a pipe. The
// first pass of normalising, and a way to measure a finished output.
#include <QByteArray>
#include <QString>

#include "loudness/engine/LoudnessMeter.h"

namespace quavero {

struct FileMeasure {
    LoudnessMeasurement measurement; // Failed when error is set
    LoudnessMeter meter;             // its blocks, for an album
    QString error;                   // what failed, in plain words; empty on success
    QByteArray details;              // ffmpeg's error output
};

namespace loudness {
// Runs ffmpeg (the path of the program) on the file and waits for it.
FileMeasure measureFile(const QString &ffmpeg, const QString &path);
} // namespace loudness

} // namespace quavero
