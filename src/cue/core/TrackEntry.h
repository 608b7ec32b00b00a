// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A track of an album image as a list entry, and as an ffmpeg input: the
// entry the add lists for it, the duration and size it shows once the image
// is measured, and the arguments that cut it out of the image. Pure.
#include <QString>
#include <QStringList>

#include "cue/core/SheetTracks.h"
#include "filelist/core/NodeVideoFile.h"

namespace quavero {

namespace cue {
// The entry for track: its path that of the image it is cut from, its base
// name the track's ("01 First Light"), its extension the image's, its range
// and tags on m_Track. imageSamples is the image's length in samples (-1: not
// known exactly); sheetPath the sheet it comes from.
NodeVideoFile trackEntry(const SheetTrack &track, const QString &sheetPath, qint64 imageSamples);

// The samples a track covers; -1 when it runs to the end of an image of
// unknown length.
qint64 trackSamples(const ImageTrack &track);

// An entry completed from its image (the duration and size of the whole
// file) given the duration and size of its track instead: the duration of its
// samples, and the image's size in proportion to the track's share of it. The
// image's figures are kept on the track, so a second call changes nothing. A
// whole file comes back as it was.
NodeVideoFile withTrackShare(NodeVideoFile entry);

// A duration in seconds as the list shows it (" 00:03:25.4").
QString durationText(double seconds);

// How a report names a track: its sheet as the front end shows it, and the
// track's name ("album.cue [01 First Light]").
QString shownTrack(const QString &shownSheet, const QString &trackName);

// ffmpeg's arguments for a whole file ("-i <input> <output options> <output>")
// turned into those that cut track out of it: the input seeked to the track,
// the cut first in the output's audio filters, and the image's own tags left
// behind (they describe the whole image; the tag step writes the track's).
QStringList trackArguments(const QStringList &wholeArguments, const ImageTrack &track);
} // namespace cue

} // namespace quavero
