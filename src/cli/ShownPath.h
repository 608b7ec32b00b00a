// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The path as the user would like to read it: relative to the current folder
// when it lies below it, else absolute.
#include <QString>

#include "filelist/core/NodeVideoFile.h"

namespace quavero {

namespace cli {
QString shownPath(const QString &path);
// An entry as the progress lines name it: its path, or for a track of an
// album image its sheet and its name ("album.cue [01 First Light]").
QString shownEntry(const NodeVideoFile &entry);
} // namespace cli

} // namespace quavero
