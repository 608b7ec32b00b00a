// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A CUE sheet as it was read: the album's texts and, per track, where it lies
// in the file the sheet names for it. Positions are CD frames (1/75 s) from
// the start of that file, as sheets write them ("MM:SS:FF"); a FLAC file's own
// cue sheet block gives them in samples, which exactStart then holds.
#include <QList>
#include <QString>

namespace quavero {

struct CueTrack {
    int number = 0;         // TRACK nn, as the sheet numbers it
    bool audio = true;      // false: a data track (MODE1/2352 and the like)
    QString file;           // the FILE it lives in, as the sheet names it
    qint64 index00 = -1;    // INDEX 00 (the start of its pregap) in frames; -1: none
    qint64 index01 = -1;    // INDEX 01 (the start of the track proper) in frames; -1: missing
    qint64 exactStart = -1; // INDEX 01 in samples when the sheet gives it so; -1: from index01
    QString title;
    QString performer;
    QString composer; // COMPOSER, else SONGWRITER
    QString isrc;
    QString date;  // REM DATE of the track itself, rare
    QString genre; // REM GENRE of the track itself, rare
};

struct CueSheet {
    QString title;          // the album
    QString performer;      // the album artist
    QString date;           // REM DATE
    QString genre;          // REM GENRE
    QList<CueTrack> tracks; // in sheet order
};

} // namespace quavero
