// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which outputs of a destination a run removes as orphans: those the record
// lists whose input is not among the run's inputs. Pure: the caller reads the
// files' stamps and says which paths pass through a symbolic link.
//
// A file the record does not list is never named, nor any of the run's
// inputs. A path of the record that is not a plain relative path below the
// root is refused with its reason and nothing is removed for it. An output
// whose size or modification time is not what the record says (the user
// edited it, or put another file there) is kept and named.
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "mirror/core/RecordTable.h"
#include "mirror/core/RecordedPath.h"

namespace quavero {

struct OrphanQuestion {
    QSet<QString> runInputs; // absolute paths of every input of the run
    QString root;            // absolute path of the destination root
    // True when a folder of the relative path, or the file itself, is a link.
    std::function<bool(const QString &relative)> throughLink;
    // The stamp of the file at a relative path now; none when there is no
    // regular file there.
    std::function<std::optional<FileStamp>(const QString &relative)> stampOf;
};

struct RefusedPath {
    QString path; // as the record wrote it
    PathProblem problem = PathProblem::None;
};

struct OrphanDecision {
    QList<RecordRow> remove;    // orphans to remove, with the stamps they must still have
    QStringList keptChanged;    // orphans changed since they were written: kept
    QList<RefusedPath> refused; // rows whose path is unsafe: warned about, nothing removed
    QStringList forget;         // orphans whose file is gone already: only their rows go
};

namespace mirror {
OrphanDecision orphans(const RecordTable &record, const OrphanQuestion &question);
} // namespace mirror

} // namespace quavero
