// SPDX-License-Identifier: GPL-3.0-or-later
#include "naming/engine/EntryNames.h"

#include "convert/engine/TagReading.h"
#include "cue/core/TrackTags.h"
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

TagSet tagsOfEntry(const NodeVideoFile &entry)
{
    const QString path = entry.s_File_Path().isEmpty() ? entry.s_File_URL().toLocalFile() : entry.s_File_Path();
    const InputTags read = tagread::read(path);
    TagSet tags = read.readable ? read.tags : TagSet();
    if (entry.m_Track().isTrack())
        tags = cue::overImage(tags, entry.m_Track().tags);
    tags.pictures.clear();
    return tags;
}

void readTags(QList<PlanInput> &inputs)
{
    for (PlanInput &input : inputs)
        if (input.problem.isEmpty())
            input.tags = tagsOfEntry(input.entry);
}
} // namespace naming

} // namespace quavero
