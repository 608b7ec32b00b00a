// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/engine/AddCandidates.h"

#include "filelist/core/AcceptedFiles.h"
#include "filelist/core/FileEntry.h"
#include "filelist/core/NaturalOrder.h"
#include "platform/core/FileSystem.h"

#include <QFileInfo>
#include <QUrl>

namespace quavero {

namespace filelist {
QStringList AddCandidates::notAddedLines() const
{
    QStringList lines;
    for (const NotAdded &file : notAdded)
        lines << QStringLiteral("%1: %2").arg(QFileInfo(file.path).fileName(), file.reason);
    return lines;
}

void addFolderFiles(AddCandidates &candidates, const QString &folder)
{
    QStringList notUtf8;
    // The order Add Folder and Subfolders gives the files of each folder.
    const NaturalOrder order;
    const QStringList names = order.sorted(acceptedFolderNames(fs::listFolder(folder, &notUtf8)));
    for (const QString &name : names) {
        const NodeVideoFile entry = entryFromFolderAndName(folder, name);
        if (QFileInfo(entry.s_File_Path()).isDir())
            continue;
        const QString problem = fs::regularFileProblem(entry.s_File_Path());
        // A FIFO, socket or device is listed with no duration (the probe never
        // opens it) and fails with its reason when converted.
        if (problem.isEmpty() || fs::exists(entry.s_File_Path()))
            candidates.entries << entry;
        else
            candidates.notAdded << NotAdded{entry.s_File_Path(), problem};
    }
    // Only the letters outside ASCII are lost in the decoding: the extension
    // can still be told.
    for (const QString &name : order.sorted(acceptedFolderNames(notUtf8)))
        candidates.notAdded << NotAdded{folder + QLatin1Char('/') + name, fs::notUtf8Reason()};
}

void addChosenFile(AddCandidates &candidates, const QString &path)
{
    // A chosen path that names nothing is taken as it comes (the panel only
    // offers what exists); one that names something is held to the rule.
    const bool named = fs::exists(path) || path.contains(QChar::ReplacementCharacter);
    const QString problem = named ? fs::regularFileProblem(path) : QString();
    if (problem.isEmpty() || fs::exists(path))
        candidates.entries << entryFromUrl(QUrl::fromLocalFile(path));
    else
        candidates.notAdded << NotAdded{path, problem};
}
} // namespace filelist

} // namespace quavero
