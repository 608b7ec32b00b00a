// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A short reason for a failed run of ffmpeg or sox, taken from the end of its
// error output. Pure.
#include <QByteArray>
#include <QString>

namespace quavero {

namespace failure {
// The last line of the output that says something: blank lines, ffmpeg's
// progress and summary lines and its closing "Conversion failed!" are passed
// over. Empty when no line says anything. At most 200 characters: a longer
// line keeps its start and its end (where the cause is), cut in the middle.
QString lastMeaningfulLine(const QByteArray &output);

// "<program> failed: <last meaningful line>", or "<program> failed with exit
// status <n>" when its output says nothing.
QString exitReason(const QString &program, int exitCode, const QByteArray &output);
} // namespace failure

} // namespace quavero
