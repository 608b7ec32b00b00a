// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A new list entry for one file, with the fields that come from its path. The
// add worker fills in the duration and the size.
#include <QString>
#include <QUrl>

#include "filelist/core/NodeVideoFile.h"

namespace quavero {

namespace filelist {
// A file chosen in the Add Files panel (or dropped on the list).
NodeVideoFile entryFromUrl(const QUrl &url);
// A name listed in a folder chosen with Add Folder (or dropped on the list).
NodeVideoFile entryFromFolderAndName(const QString &folder, const QString &name);
} // namespace filelist

} // namespace quavero
