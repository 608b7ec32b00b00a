// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/engine/FolderTree.h"

#include "filelist/core/AcceptedFiles.h"
#include "filelist/core/FileEntry.h"
#include "filelist/core/NaturalOrder.h"
#include "platform/core/FileSystem.h"

#include <QFile>
#include <QSet>
#include <sys/stat.h>

namespace quavero {

namespace filelist {
namespace {
struct Walk {
    NaturalOrder order;
    QSet<QPair<quint64, quint64>> seen; // device and inode of the folders walked
    QList<NodeVideoFile> entries;

    void folder(const QString &path, const QString &relative)
    {
        struct stat status;
        if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISDIR(status.st_mode))
            return;
        const QPair<quint64, quint64> id(quint64(status.st_dev), quint64(status.st_ino));
        if (seen.contains(id))
            return;
        seen.insert(id);

        QStringList files, folders;
        const QString prefix = path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
        for (const QString &name : fs::listFolder(path)) {
            struct stat link;
            if (::lstat(QFile::encodeName(prefix + name).constData(), &link) != 0)
                continue;
            if (S_ISDIR(link.st_mode)) {
                folders << name;
                continue;
            }
            // A link to a folder is left alone; a link to anything else is
            // taken like the file it names.
            struct stat target;
            if (S_ISLNK(link.st_mode) && ::stat(QFile::encodeName(prefix + name).constData(), &target) == 0 &&
                S_ISDIR(target.st_mode))
                continue;
            files << name;
        }
        files = order.sorted(acceptedFolderNames(files));
        folders = order.sorted(folders);
        for (const QString &name : files) {
            NodeVideoFile entry = entryFromFolderAndName(path, name);
            entry.setS_Relative_Folder(relative);
            entries << entry;
        }
        for (const QString &name : folders)
            folder(prefix + name, relative.isEmpty() ? name : relative + QLatin1Char('/') + name);
    }
};
} // namespace

QList<NodeVideoFile> entriesBelow(const QString &top)
{
    Walk walk;
    walk.folder(top, QString());
    return walk.entries;
}
} // namespace filelist

} // namespace quavero
