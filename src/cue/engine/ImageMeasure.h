// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sample rate and length of an album image, read with TagLib from the
// file's header (nothing is decoded). The length is exact in samples where
// the format keeps it (FLAC, WAV, AIFF, APE, WavPack, TTA); elsewhere it is
// left unknown and the last track runs to the end of the file.
#include <QString>

#include "cue/core/SheetTracks.h"

namespace quavero {

namespace cue {
// The image at path; sampleRate is 0 when TagLib cannot read it as audio.
SheetImage measureImage(const QString &path);
} // namespace cue

} // namespace quavero
