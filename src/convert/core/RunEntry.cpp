// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/RunEntry.h"

#include "convert/core/OutputPlan.h"

namespace quavero {

namespace runentries {
QList<RunEntry> fromList(const QList<NodeVideoFile> &entries)
{
    QList<RunEntry> planned;
    planned.reserve(entries.size());
    for (const NodeVideoFile &entry : entries) {
        RunEntry e;
        e.entry = entry;
        e.output.baseName = entry.s_File_Name_Without_Extension();
        planned.append(e);
    }
    return planned;
}

void planOutputs(QList<RunEntry> &entries, const QString &destinationFolder, qint64 formatIndex, bool keepStructure,
                 const std::function<bool(const QString &)> &exists)
{
    QList<NodeVideoFile> convertible;
    for (const RunEntry &e : std::as_const(entries))
        if (e.problem.isEmpty())
            convertible << e.entry;
    const QList<PlannedOutput> planned =
        outputplan::planEntries(convertible, destinationFolder, formatIndex, keepStructure, exists);
    int next = 0;
    for (RunEntry &e : entries) {
        if (!e.problem.isEmpty())
            continue;
        e.output = planned.at(next).name;
        e.renamed = planned.at(next).renamed;
        ++next;
    }
}
} // namespace runentries

} // namespace quavero
