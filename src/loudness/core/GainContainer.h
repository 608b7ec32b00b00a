// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where an output keeps its loudness tags, and which kind it takes: the
// ReplayGain 2.0 fields, or for Ogg Opus the R128 gains of RFC 7845.
#include <QString>

#include "convert/core/TagTarget.h"

namespace quavero {

// The kind of file the loudness tags are written into.
enum class GainContainer {
    None,      // no tags at all, or none TagLib writes (.AC3, .AMR, .RAW, .CAF, .AU)
    Flac,      // Vorbis comments
    OggVorbis, // Vorbis comments
    OggSpeex,  // Vorbis comments
    OggOpus,   // Vorbis comments with R128_* gains
    Mpeg,      // ID3v2 TXXX frames
    Wav,       // TXXX frames in the ID3v2 chunk
    Aiff,      // TXXX frames in the ID3v2 chunk
    Mp4,       // "----:com.apple.iTunes:replaygain_*" items
    Asf,       // REPLAYGAIN_* attributes
};

enum class GainStyle {
    None,       // nothing is written
    ReplayGain, // REPLAYGAIN_TRACK_GAIN, _PEAK, the album pair, the reference
    R128,       // R128_TRACK_GAIN and R128_ALBUM_GAIN in Q7.8 against -23 LUFS
};

namespace loudness {
// The container of a tag-copy target's file kind.
GainContainer containerFor(TagFile file);
// The container of an output format index (None outside the table).
GainContainer containerForFormat(qint64 formatIndex);
GainStyle styleOf(GainContainer container);
// False for formats that hold no loudness tags: nothing is written into them.
bool takesGainTags(GainContainer container);
// The summary's one line for a run whose format holds no loudness tags
// (formatItem ".AMR").
QString noGainTagsNote(const QString &formatItem);
} // namespace loudness

} // namespace quavero
