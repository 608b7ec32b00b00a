// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where each entry of a run writes its output, decided once for the whole run
// before the first entry starts, so that entries converted at the same time
// are covered too.
//
// No output of a run replaces another output of the same run: when an entry
// would write a path that an earlier entry of the run writes, or that another
// entry writes under its own name, it gets a numbered name instead, "a (2)",
// "a (3)", skipping every name that already exists. A file that was there
// before the run (an earlier run's output, say) is still replaced under the
// entry's own name. Pure: the caller says what exists.
//
// Paths of one run are compared without letter case, so that "A.mp3" and
// "a.mp3" stay two files on a disk that does not tell them apart.
#include <QList>
#include <QString>
#include <functional>

#include "convert/core/EncoderCommand.h"
#include "filelist/core/NodeVideoFile.h"

namespace quavero {

struct PlanEntry {
    QString baseName;       // the input's name without its extension
    QString relativeFolder; // its folder below the folder it was added with; "" for none
    // A numbered name this entry was given by an earlier run and keeps
    // ("a (2)"); "" for none. Kept names are claimed before any other.
    QString keptBaseName;
};

struct PlannedOutput {
    OutputName name;      // subfolder and base name of the output
    bool renamed = false; // the base name was numbered because of another entry of the run
};

namespace outputplan {
// The relative folder as it may be used below the destination: separators
// made single, "." parts dropped; empty when it is absolute or climbs out
// with "..".
QString safeSubfolder(const QString &relativeFolder);

// The output of each entry, in the order given. extension is the output
// format's (".mp3"); keepStructure puts each entry in its relative folder
// below the destination, otherwise every output goes straight into it.
// exists tells whether anything is at a path now.
QList<PlannedOutput> plan(const QList<PlanEntry> &entries, const QString &destinationFolder, const QString &extension,
                          bool keepStructure, const std::function<bool(const QString &)> &exists);

// The same for list entries converted to the output format formatIndex: each
// entry's base name and relative folder, and the base names kept from an
// earlier run (empty, or one for each entry). Nothing is planned for an
// unknown format (every entry keeps its own name).
QList<PlannedOutput> planEntries(const QList<NodeVideoFile> &entries, const QString &destinationFolder, qint64 formatIndex,
                                 bool keepStructure, const std::function<bool(const QString &)> &exists,
                                 const QStringList &keptBaseNames = {});
} // namespace outputplan

} // namespace quavero
