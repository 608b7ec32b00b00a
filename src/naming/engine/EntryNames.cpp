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

void readTags(QList<PlanInput> &inputs)
{
    for (PlanInput &input : inputs) {
        if (!input.problem.isEmpty())
            continue;
        const QString path =
            input.entry.s_File_Path().isEmpty() ? input.entry.s_File_URL().toLocalFile() : input.entry.s_File_Path();
        InputTags read = tagread::read(path);
        input.tags = read.readable ? read.tags : TagSet();
        input.tags.pictures.clear();
    }
}
} // namespace naming

} // namespace quavero
