// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A list entry made from a path the way the add command makes it, with a
// chosen duration (the file need not exist).
#include <QFileInfo>
#include <QUrl>

#include "filelist/core/FileEntry.h"

namespace quavero {

namespace testentries {
inline NodeVideoFile entryFor(const QString &path, qint64 durationSeconds = 0)
{
    NodeVideoFile e = filelist::entryFromUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    e.setI_Duration_in_Seconds(durationSeconds);
    return e;
}
} // namespace testentries

} // namespace quavero
