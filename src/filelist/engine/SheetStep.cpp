// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/engine/SheetStep.h"

#include "cue/engine/SheetEntries.h"

namespace quavero {

namespace filelist {
void expandSheets(AddCandidates &candidates)
{
    QList<NodeVideoFile> entries;
    for (const ExpandedEntry &expanded : cue::expandSheets(candidates.entries)) {
        if (expanded.failure.isEmpty())
            entries << expanded.entry;
        else
            candidates.notAdded << NotAdded{expanded.entry.s_File_Path(), expanded.failure};
    }
    candidates.entries = entries;
}
} // namespace filelist

} // namespace quavero
