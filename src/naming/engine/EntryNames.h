// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The output names of a run's entries from a template, with each entry's tags
// read with TagLib: the same reading the tag copy uses.
#include <QList>
#include <QString>

#include "convert/core/RunPlanner.h"
#include "naming/core/NameExpansion.h"

namespace quavero {

struct NamingSource {
    QString path;           // the input file
    QString baseName;       // its name without the extension
    QString relativeFolder; // its folder below the folder it was added with; "" for none
};

namespace naming {
// The fields of one input: its tags (none when TagLib cannot read the file),
// base name and relative folder.
NameFields fieldsOfFile(const NamingSource &source);

// The name of each entry, in the order given, for outputs ending in
// extension (".mp3"). extraBytes keeps room in each file name for a suffix of
// the caller's own (a temporary name). Collisions are left to the output
// plan, which numbers them.
QList<NamedOutput> nameEntries(const NameTemplate &nameTemplate, const QList<NamingSource> &sources,
                               const QString &extension, bool keepStructure, int extraBytes = 0);

// The text tags an entry's name is made from: its file's, and for a track of
// an album image the sheet's fields for the track laid over the image's. An
// image TagLib cannot read gives the sheet's alone. No pictures.
TagSet tagsOfEntry(const NodeVideoFile &entry);

// Reads the text tags of every input without a problem into it, for a run
// whose outputs are named by a template (runplan::make stays pure). The
// pictures are left out: names never use them. An input TagLib cannot read
// gets no tags.
void readTags(QList<PlanInput> &inputs);
} // namespace naming

} // namespace quavero
