// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The step of an add that turns CUE sheets into their tracks: a .cue file
// among the entries becomes one entry per track, in its place; a FLAC image
// that holds its sheet inside itself becomes its tracks as well. An image
// whose sheet is in the same add is not listed again as a whole file. A sheet
// that gives no tracks stays one named failure. Both front ends' adds go
// through it, after they have listed the files and before they probe them.
#include <QList>
#include <QString>

#include "filelist/core/NodeVideoFile.h"

namespace quavero {

struct ExpandedEntry {
    NodeVideoFile entry; // a track, a file as it was given, or the sheet that failed
    int from = -1;       // the index of the given entry it comes from
    QString failure;     // why a sheet gives no tracks ("the sheet names image.flac, ..."); empty when fine
};

namespace cue {
// The entries with every sheet among them read and put in place of its
// tracks (see above). Tracks keep the relative folder of their sheet.
QList<ExpandedEntry> expandSheets(const QList<NodeVideoFile> &entries);
} // namespace cue

} // namespace quavero
