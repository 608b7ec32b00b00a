// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tags a CUE sheet gives one of its tracks, how they go over the tags of
// the image the track is cut from, and the track's default output name. Pure.
#include <QString>

#include "convert/core/TagSet.h"
#include "cue/core/CueSheet.h"

namespace quavero {

namespace cue {
// TITLE and ARTIST from the track (ARTIST from the album's PERFORMER when the
// track names none), ALBUM and ALBUMARTIST from the sheet's TITLE and
// PERFORMER, DATE and GENRE from REM DATE and REM GENRE (the track's own
// first), COMPOSER and ISRC, TRACKNUMBER and TRACKTOTAL from the track's place
// among count audio tracks. Empty texts give no field.
TagSet sheetTags(const CueSheet &sheet, const CueTrack &track, int number, int count);

// A track's tags: the image's tags and pictures with the sheet's fields over
// them, so that a cover or a label the sheet does not know reaches every
// track. Fields of the image that describe it as a whole and would be wrong
// for one track are left out: its TITLE, its track number and total, the
// embedded sheet itself, the track gain and peak, per-track sheet fields.
TagSet overImage(const TagSet &image, const TagSet &sheetTags);

// "01 First Light": the number, two digits (three beyond 99 tracks), and the
// title; "01 Track 1" without a title. A "/" in the title becomes "-",
// control characters and runs of blanks one space, so the name stays one
// plain file name; a title too long for a file name is shortened at its end.
QString baseName(int number, int count, const QString &title);
} // namespace cue

} // namespace quavero
