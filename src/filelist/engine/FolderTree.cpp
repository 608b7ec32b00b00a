// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/engine/FolderTree.h"

#include "filelist/core/AcceptedFiles.h"
#include "filelist/core/FileEntry.h"
#include "filelist/core/NaturalOrder.h"
#include "platform/core/FileSystem.h"

#include <QFile>
#include <QSet>
#include <algorithm>
#include <sys/stat.h>

namespace quavero {

namespace filelist {
namespace {
struct Walk {
    NaturalOrder order;
    QSet<QPair<quint64, quint64>> seen; // device and inode of the folders walked
    QList<NodeVideoFile> entries;

    // Names in natural order; names that compare equal in it by their code points.
    void sortNames(QStringList &names) const
    {
        std::vector<std::pair<QCollatorSortKey, QString>> keyed;
        keyed.reserve(names.size());
        for (const QString &name : names)
            keyed.emplace_back(order.sortKey(name), name);
        std::sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
            const int c = a.first.compare(b.first);
            return c != 0 ? c < 0 : a.second < b.second;
        });
        names.clear();
        for (const auto &k : keyed)
            names << k.second;
    }

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
        files = acceptedFolderNames(files);
        sortNames(files);
        sortNames(folders);
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
