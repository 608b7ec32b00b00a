// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A CUE sheet from its file to its tracks: the file read, its text encoding
// told, the text parsed, the audio files it names found beside it and
// measured, and the tracks cut from them listed. Also the sheet an image
// holds inside itself. Every way this can fail is one named failure
// (cue::SheetFailure), never an exception, a crash or an empty success.
//
// Safe to call from any thread; it reads files but starts no process.
#include <QList>
#include <QString>

#include "cue/core/CueSheet.h"
#include "cue/core/ImageMatch.h"
#include "cue/core/SheetFailure.h"
#include "cue/core/SheetTracks.h"

namespace quavero {

// A file the sheet names, as it was found.
struct FoundImage {
    QString named; // as the sheet names it
    QString path;  // where it was found
    cue::MatchKind how = cue::MatchKind::Exact;
    qint64 totalSamples = -1; // its length in samples per channel; -1: not known exactly
};

struct SheetReading {
    QString sheetPath; // the .cue file, or the image that holds the sheet
    QString encoding;  // what the text was read as ("UTF-8", "WINDOWS-1252"); empty for a FLAC cue sheet block
    CueSheet sheet;
    QList<FoundImage> images; // in the order the sheet names them
    QList<SheetTrack> tracks; // its audio tracks, in order
    QList<int> dataTracks;    // data tracks left out, by TRACK number
    cue::SheetFailure failure;
    bool ok() const { return !failure; }
};

namespace cue {
// Sheets larger than this are not read: a sheet of 99 tracks with long texts
// is a few tens of kilobytes.
constexpr qint64 kMaxSheetBytes = 1024 * 1024;

// True for a name ending in ".cue", in any letter case.
bool isSheetPath(const QString &path);

// The sheet in the .cue file at path.
SheetReading readSheetFile(const QString &path);

// The sheet the audio file at path holds (see EmbeddedSheet.h); the failure
// NoEmbeddedSheet when it holds none.
SheetReading readEmbeddedSheet(const QString &path);
} // namespace cue

} // namespace quavero
