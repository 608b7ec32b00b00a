// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/core/FileEntry.h"

#include "filelist/core/PathParts.h"

namespace quavero {

namespace filelist {
namespace {
NodeVideoFile entryFor(const QUrl &url, const QString &path)
{
    NodeVideoFile entry;
    entry.setS_File_URL(url);
    entry.setS_File_Path(path);
    entry.setS_File_Extension(pathExtension(path));
    entry.setS_File_Name_Without_Extension(nameWithoutExtension(lastPathComponent(path)));
    entry.setS_Folder_Path(folderOfPath(path));
    return entry;
}
} // namespace

NodeVideoFile entryFromUrl(const QUrl &url) { return entryFor(url, url.toLocalFile()); }

NodeVideoFile entryFromFolderAndName(const QString &folder, const QString &name)
{
    // The folder of "/" already ends with its slash.
    const QString path = folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
    return entryFor(QUrl::fromLocalFile(path), path);
}
} // namespace filelist

} // namespace quavero
