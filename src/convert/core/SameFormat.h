// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether an input already is what the output format would write, so that a
// copy of its bytes serves where encoding it again would only lose quality.
// It is when:
//  - its file type is the output's (told by its extension: a copy keeps the
//    container as it is, so an Ogg Vorbis file is no .OGG to copy when it is
//    named .mka);
//  - its first audio stream, as ffmpeg reports it, has the codec the output
//    format writes with these options (an "mp3" named .mp3 that holds MP2
//    audio is converted);
//  - the options ask for no other sample rate or channel count than the
//    input's, and no effect (speed, gain, treble, bass, the MP3 volume) is
//    set.
// Pure.
#include <QString>

#include "filelist/core/NodeVideoFile.h"
#include "formats/core/Records.h"

namespace quavero {

namespace sameformat {
// The codec ffmpeg names the output format's audio with these options
// ("mp3", "vorbis", "pcm_s16le"); empty when no input is copied into it.
QString outputCodec(qint64 formatIndex, const FormatRecords &records);
// True when the input's extension is one the output format writes: a copy
// is worth asking ffmpeg about.
bool candidate(const NodeVideoFile &input, qint64 formatIndex);
// True when the input, whose audio stream is known, can be copied.
bool copies(const NodeVideoFile &input, qint64 formatIndex, const FormatRecords &records);
} // namespace sameformat

} // namespace quavero
