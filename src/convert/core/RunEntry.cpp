#include "convert/core/RunEntry.h"

namespace runentries {
QList<RunEntry> plan(const QList<NodeVideoFile> &entries, const QString &destinationFolder)
{
    QList<RunEntry> planned;
    planned.reserve(entries.size());
    for (const NodeVideoFile &entry : entries) {
        RunEntry e;
        e.entry = entry;
        e.destinationFolder = destinationFolder;
        e.outputBaseName = entry.s_File_Name_Without_Extension();
        planned.append(e);
    }
    return planned;
}

NodeVideoFile forEncoder(const RunEntry &entry)
{
    NodeVideoFile file = entry.entry;
    if (!entry.outputBaseName.isEmpty())
        file.setS_File_Name_Without_Extension(entry.outputBaseName);
    return file;
}
} // namespace runentries
