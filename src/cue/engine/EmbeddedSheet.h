// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The CUE sheet an album image carries inside itself. Two places hold one:
// - a CUESHEET tag (a Vorbis comment of FLAC or Ogg, an APE tag of APE or
//   WavPack): the sheet's whole text, titles included; read with TagLib;
// - the CUESHEET metadata block of a FLAC file (what `flac --cuesheet`
//   writes): track numbers, ISRCs and each index as an exact sample offset,
//   but no titles; read with libFLAC.
// The tag is taken when both are there, for its titles.
#include <QString>

#include "cue/core/CueSheet.h"

namespace quavero {

struct EmbeddedSheet {
    enum class Source { None, Tag, Block };
    Source source = Source::None;
    QString text;   // Tag: the text of the sheet, to be parsed
    CueSheet sheet; // Block: its tracks, each in the image, with exactStart set
};

namespace cue {
// The sheet inside the image at path, if any. sampleRate is the image's, to
// give the block's sample offsets as frames too.
EmbeddedSheet readEmbedded(const QString &path, int sampleRate);
} // namespace cue

} // namespace quavero
