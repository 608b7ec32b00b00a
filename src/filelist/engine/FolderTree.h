// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The walk of Add Folder and Subfolders (and of a folder dropped on the list):
// every accepted file below a folder, at any depth.
#include <QList>
#include <QString>

#include "filelist/core/NodeVideoFile.h"

namespace quavero {

namespace filelist {
// New entries (path fields and relative folder set) for the files below top:
// in each folder its own files first, in natural name order, then each of its
// subfolders in natural name order, walked the same way. A name is taken by
// its extension as Add Folder takes it (letter case included), but folders
// are entered rather than taken. Symbolic links to folders are neither
// entered nor taken, and no folder is walked twice, so the walk always ends.
// Each entry's relative folder is its folder below top ("" for top itself).
QList<NodeVideoFile> entriesBelow(const QString &top);
} // namespace filelist

} // namespace quavero
