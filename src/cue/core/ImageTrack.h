// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What makes a list entry one track of an album image rather than a whole
// file: the samples it covers in the image, the image's rate and length, and
// the tags its sheet gives it. The entry's path is the image's; its base name
// is the track's ("01 First Light"). Pure data.
#include <QString>

#include "convert/core/TagSet.h"
#include "cue/core/SheetTracks.h"

namespace quavero {

struct ImageTrack {
    QString sheetPath;        // the .cue file, or the image itself for an embedded sheet
    int number = 0;           // the track's place among the sheet's audio tracks, 1..count; 0: not a track
    int count = 0;            // the sheet's audio tracks
    SampleRange range;        // in samples of the image
    int sampleRate = 0;       // the image's
    qint64 imageSamples = -1; // the image's length in samples; -1: not known exactly
    qint64 imageBytes = -1;   // the image's size once measured; -1: not yet
    TagSet tags;              // from the sheet alone; laid over the image's own tags (cue::overImage)

    bool isTrack() const { return number > 0; }
};

} // namespace quavero
