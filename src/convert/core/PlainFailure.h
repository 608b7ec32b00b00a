// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why ffmpeg or sox failed, said in plain words with what to do next, read
// from what the program printed: "not an audio file ffmpeg can read", "no
// permission to write in the destination folder", "the encoder does not
// accept the sample rate 6000 Hz". The program's own words stay beside the
// reason for the details. Pure.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quavero {

struct FailureContext {
    QString program;       // "ffmpeg" or "sox"
    QString input;         // the input exactly as the program was given it
    QString output;        // the path the program writes
    QStringList arguments; // the program's argument vector, to name a refused option
};

struct PlainFailure {
    QString reason;        // what failed and what to do next
    QString rawLine;       // the program's own last meaningful line; empty when it said nothing
    bool diskFull = false; // no space left: every further entry would fail the same way
};

namespace plainfailure {
// A program that exited with a non-zero status after printing output.
PlainFailure fromExit(const FailureContext &context, int exitCode, const QByteArray &output);
// A program ended by a signal (killed, or crashed).
PlainFailure fromSignal(const QString &program, int signalNumber, const QByteArray &output);
// The encoder settings of an ffmpeg argument vector in words: "sample rate
// 44100 Hz, channels 2, bitrate 128k".
QString describeSettings(const QStringList &arguments);
} // namespace plainfailure

} // namespace quavero
