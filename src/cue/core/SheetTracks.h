// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tracks of a CUE sheet as files to make: each the samples [start, end)
// of the file it lives in, with its tags and a default output name. Pure: the
// engine finds and measures the files the sheet names and hands them in.
//
// A track runs from its INDEX 01 to the next track's INDEX 01 in the same
// file, so a pregap (INDEX 00 to INDEX 01) stays with the track before it; the
// last track of a file runs to the file's end. The first track of a file also
// takes what comes before its INDEX 01 (a hidden track before the first, or a
// pregap a multi-file sheet left at the start of a file), so that the tracks
// joined are the files, sample for sample.
#include <QList>
#include <QMap>
#include <QString>

#include "convert/core/TagSet.h"
#include "cue/core/CueSheet.h"
#include "cue/core/SheetFailure.h"

namespace quavero {

struct SampleRange {
    qint64 start = 0; // the first sample
    qint64 end = -1;  // the sample after the last; -1: to the end of the file
    bool toEnd() const { return end < 0; }
    bool operator==(const SampleRange &other) const { return start == other.start && end == other.end; }
};

// One file a sheet names, as it was found and measured.
struct SheetImage {
    QString path;             // where it is
    int sampleRate = 0;       // Hz
    qint64 totalSamples = -1; // samples per channel; -1: not known exactly
};

struct SheetTrack {
    int number = 0;      // its place among the sheet's audio tracks, 1..count
    int count = 0;       // the sheet's audio tracks
    int sheetNumber = 0; // TRACK nn in the sheet
    QString imagePath;   // the file it is cut from
    int sampleRate = 0;  // of that file
    SampleRange range;   // in samples of that file
    TagSet tags;         // from the sheet alone (see cue::overImage)
    QString baseName;    // "01 First Light"
};

struct TrackListing {
    QList<SheetTrack> tracks;
    QList<int> dataTracks; // TRACK numbers of the data tracks left out
    cue::SheetFailure failure;
};

namespace cue {
// A position in CD frames (1/75 s) as a sample position at sampleRate: exact
// where sampleRate is a multiple of 75 (44,100, 48,000, 96,000 Hz ...),
// otherwise the nearest sample. Neighbouring tracks share the boundary, so the
// tracks still join without a gap or an overlap.
qint64 framesToSamples(qint64 frames, int sampleRate);

// The first failure the sheet's own content shows before any file is looked
// at: a track without FILE or INDEX 01, no audio track at all. source names
// the sheet in the failure ("album.cue").
SheetFailure checkSheet(const CueSheet &sheet, const QString &source);

// The audio tracks of a sheet that passed checkSheet; images holds each FILE
// name of the sheet's audio tracks with the file it stands for.
TrackListing sheetTracks(const CueSheet &sheet, const QMap<QString, SheetImage> &images, const QString &source);
} // namespace cue

} // namespace quavero
