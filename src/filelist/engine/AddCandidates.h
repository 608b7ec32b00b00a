// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an add of the window takes: regular files (or links to them) with an
// accepted extension. A folder named like an audio file is left out without a
// word; a FIFO, socket or device (which would block the duration probe), a
// link loop, a dangling link and a name that is not valid UTF-8 (which no
// program could be given) are named as not added, with the reason.
#include <QList>
#include <QString>
#include <QStringList>

#include "filelist/core/NodeVideoFile.h"

namespace quavero {

namespace filelist {
struct NotAdded {
    QString path;
    QString reason;
};

struct AddCandidates {
    QList<NodeVideoFile> entries;
    QList<NotAdded> notAdded;

    // "<file name>: <reason>", one line per file not added.
    QStringList notAddedLines() const;
};

// The files directly in folder whose name ends exactly in an accepted
// extension, in natural order (filelist::NaturalOrder), as the walk of a
// folder with its subfolders lists each folder's own files.
void addFolderFiles(AddCandidates &candidates, const QString &folder);
// A file the user chose or dropped (its extension already accepted).
void addChosenFile(AddCandidates &candidates, const QString &path);
} // namespace filelist

} // namespace quavero
