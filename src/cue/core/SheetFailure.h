// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Why a CUE sheet gives no tracks: one named failure per sheet, worded for
// the user as "album.cue: <what failed>; <what to do>". Pure.
#include <QString>

namespace quavero {

namespace cue {
enum class FailureKind {
    None,
    Unreadable,        // the sheet's file cannot be read (detail: why)
    TooLarge,          // far larger than any sheet
    NotText,           // no text encoding fits its bytes
    NotASheet,         // libcue finds no sheet in the text
    NoEmbeddedSheet,   // an audio file asked for its sheet holds none
    NoAudioTracks,     // only data tracks
    TrackWithoutFile,  // a TRACK before any FILE line
    TrackWithoutStart, // a track without INDEX 01
    OutOfOrder,        // a track that starts where or before the one before it in the same file
    MissingImage,      // the FILE named is not there
    UnreadableImage,   // the FILE is there but is no audio TagLib can measure
    StartsAfterEnd,    // a track starts at or after the end of its file
};

struct SheetFailure {
    FailureKind kind = FailureKind::None;
    QString source; // the sheet as the user knows it: "album.cue", or "album.flac" for an embedded sheet
    int track = 0;  // the track concerned (its TRACK number), or 0
    QString file;   // the file concerned, as the sheet names it
    QString detail; // the system's reason, for Unreadable

    explicit operator bool() const { return kind != FailureKind::None; }
    // The failure in plain words, translated.
    QString text() const;
    // The same without the sheet's name in front ("the sheet names ...").
    QString reason() const;
};
} // namespace cue

} // namespace quavero
