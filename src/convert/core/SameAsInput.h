// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The encoder arguments of the sample-rate, channels and sample-size lists,
// where "Same as input" takes the input's value within what the output
// format allows (MP3 at most two channels and its own rates, Opus 48 kHz).
// Pure.
#include <QString>
#include <QStringList>

#include "filelist/core/AudioStream.h"
#include "formats/core/FormatLimits.h"
#include "formats/core/LabelLists.h"

namespace quavero {

namespace sameinput {
// "-ar <rate>": the list's value at position, or for "Same as input" the
// input's rate as the format takes it. Nothing for "Same as input" when the
// input's rate is not known: ffmpeg then keeps it where the encoder takes it
// and picks the nearest rate otherwise.
QStringList rateArguments(const ChoiceList &rates, qint64 position, const FormatLimits &limits, const AudioStream &input);
// "-ac <channels>", in the same way.
QStringList channelArguments(const ChoiceList &channels, qint64 position, const FormatLimits &limits,
                             const AudioStream &input);
// The PCM codec of a sample-size list (WAV's "PCM 8" .. "PCM 32", CAF's 16 and
// 32 bits) at position; for "Same as input" the list's codec nearest the
// input's sample size, never smaller where a larger one exists. A lossy input,
// whose samples have no size, and an input not known give 16 bits.
QString pcmCodec(const ChoiceList &sizes, qint64 position, const AudioStream &input);
// The sample size a PCM output keeps of the input: its bits, 24 for DSD, 16
// where the samples have no size of their own.
int inputBits(const AudioStream &input);
// The bits of a PCM codec name: "pcm_s24le" 24, "pcm_u8" 8; 0 for another.
int bitsOfCodec(const QString &codec);
// True when the plan needs the input's stream to write this entry's
// arguments: an option of the format is "Same as input", or MP3 (which keeps
// a cover picture) is written from a file that may hold video.
bool needsStream(qint64 formatIndex, const FormatRecords &records, const QString &inputExtension);
} // namespace sameinput

} // namespace quavero
