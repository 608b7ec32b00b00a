#pragma once
// Where the outputs of the command line's files go: the run's output plan
// (numbered names instead of one output replacing another; with -r each file
// in its subfolder below the output folder unless --flat). A file that cannot
// be converted at all writes nothing and claims no name.
#include <QList>
#include <QString>

#include "cli/InputFiles.h"
#include "convert/core/OutputPlan.h"

namespace cli {
QList<PlannedOutput> plannedOutputs(const QList<InputFile> &files, const QString &destinationFolder,
                                    int formatIndex, bool keepStructure);
} // namespace cli
