// SPDX-License-Identifier: GPL-3.0-or-later
#include "naming/engine/EntryNames.h"

#include "convert/engine/TagReading.h"
#include "naming/core/SafeName.h"

namespace quavero {

namespace naming {
NameFields fieldsOfFile(const NamingSource &source)
{
    const InputTags read = tagread::read(source.path);
    return fieldsFrom(read.readable ? read.tags : TagSet(), source.baseName, source.relativeFolder);
}

QList<NamedOutput> nameEntries(const NameTemplate &nameTemplate, const QList<NamingSource> &sources,
                               const QString &extension, bool keepStructure, int extraBytes)
{
    const int budget = baseNameBudget(extension, extraBytes);
    QList<NamedOutput> names;
    names.reserve(sources.size());
    for (const NamingSource &source : sources)
        names.append(nameFor(nameTemplate, fieldsOfFile(source), budget, keepStructure));
    return names;
}
} // namespace naming

} // namespace quavero
