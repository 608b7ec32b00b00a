// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A list entry made from a path the way the add command makes it, with a
// chosen duration (the file need not exist).
#include <QFileInfo>
#include <QUrl>

#include "filelist/core/NodeVideoFile.h"

namespace quavero {

namespace testentries {
inline NodeVideoFile entryFor(const QString &path, qint64 durationSeconds = 0)
{
    const QFileInfo info(path);
    NodeVideoFile e;
    e.setS_File_URL(QUrl::fromLocalFile(info.absoluteFilePath()));
    e.setS_File_Path(info.absoluteFilePath());
    e.setS_Folder_Path(info.absolutePath());
    e.setS_File_Name_Without_Extension(info.completeBaseName());
    e.setS_File_Extension(QLatin1Char('.') + info.suffix());
    e.setI_Duration_in_Seconds(durationSeconds);
    return e;
}
} // namespace testentries

} // namespace quavero
