// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decoded audio as ffmpeg hands it to the loudness meter: 32-bit float
// samples in a WAV stream on its standard output. The stream's header tells
// the channels and the rate, so the meter needs no probe before it starts;
// the sizes in it are ffmpeg's placeholders for a pipe and are not read.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quavero {

struct FloatWavHeader {
    enum class State { NeedMore, Ready, Invalid };
    State state = State::NeedMore;
    int channels = 0;
    int sampleRate = 0;
    qint64 dataOffset = 0; // where the samples begin
};

namespace loudness {
// Reads the header at the start of the stream; NeedMore until the start of
// the samples has arrived. Anything but 32-bit float samples is Invalid.
FloatWavHeader readFloatWavHeader(const QByteArray &start);
// ffmpeg's arguments that decode the first audio stream of a local file to
// that stream on standard output.
QStringList decodeArguments(const QString &inputPath);
// The arguments of an extra output of a conversion's ffmpeg that sends the
// audio of the filter graph's label (a second copy made with asplit) to
// standard output, for measuring while the file is encoded.
QStringList meterOutputArguments(const QString &graphLabel);
} // namespace loudness

} // namespace quavero
