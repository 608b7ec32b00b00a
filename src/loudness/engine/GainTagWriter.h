// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes loudness fields into a file with TagLib, as its container keeps
// them: Vorbis comments (FLAC, Ogg Vorbis, Speex, Opus), ID3v2 TXXX frames
// (MP3, WAV, AIFF), "----:com.apple.iTunes:replaygain_*" items (M4A) and
// attributes (WMA). Only the named fields change; every other tag stays, so
// it runs after the tag copy, and again on a finished file for the album pair.
#include <QString>

#include "loudness/core/GainContainer.h"
#include "loudness/core/GainFields.h"

namespace quavero {

namespace loudness {
// Returns an empty text on success (and for a container that holds no tags,
// where nothing is written), else why the fields could not be written.
QString writeGainTags(const QString &path, GainContainer container, const GainFields &fields);
} // namespace loudness

} // namespace quavero
