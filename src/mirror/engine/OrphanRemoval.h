// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Carrying out an orphan decision (mirror::orphans): each orphan is removed
// only when it is still a regular file with the stamp the record gave it,
// reached from the root through folders that are no symbolic links (each
// opened without following one, so that a folder swapped for a link after
// the decision leads nowhere). The rows of the removed outputs, and of those
// that were gone already, leave the record.
#include <QString>
#include <QStringList>

#include "mirror/core/Orphans.h"

namespace quavero {

class LibraryRecord;

struct OrphanOutcome {
    QStringList removed;        // relative paths of the outputs removed
    QStringList keptChanged;    // changed since they were written: kept
    QList<RefusedPath> refused; // unsafe paths of the record: nothing done
    QStringList failed;         // could not be removed: what failed, in plain words
};

namespace mirror {
// The outcome of removing relative below root when it still has stamp.
// Gone: nothing is there any more; Changed: another file or another stamp;
// Refused: a symbolic link on the way or at the end.
enum class Removal { Removed, Gone, Changed, Refused, Failed };
Removal removeBelow(const QString &root, const QString &relative, const FileStamp &stamp, QString *error = nullptr);

// Carries out decision below root; record (may be null) forgets the rows of
// what is gone.
OrphanOutcome removeOrphans(const QString &root, const OrphanDecision &decision, LibraryRecord *record);
} // namespace mirror

} // namespace quavero
