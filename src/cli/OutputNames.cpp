#include "cli/OutputNames.h"

#include "platform/core/FileSystem.h"

namespace cli {
QList<PlannedOutput> plannedOutputs(const QList<InputFile> &files, const QString &destinationFolder,
                                    int formatIndex, bool keepStructure)
{
    QList<NodeVideoFile> convertible;
    for (const InputFile &file : files)
        if (file.problem.isEmpty())
            convertible << file.entry;
    const QList<PlannedOutput> planned = outputplan::planEntries(
        convertible, destinationFolder, formatIndex, keepStructure, [](const QString &path) { return fs::exists(path); });
    QList<PlannedOutput> outputs;
    int next = 0;
    for (const InputFile &file : files) {
        if (file.problem.isEmpty())
            outputs << planned.at(next++);
        else
            outputs << PlannedOutput{OutputName{QString(), file.entry.s_File_Name_Without_Extension()}, false};
    }
    return outputs;
}
} // namespace cli
