// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// --dry-run: the commands of a run plan, one per line, each quoted for a
// POSIX shell: exactly the programs and argument vectors the run would
// start, with the output names and subfolders it would use. The run writes
// each file under a temporary name of its own and renames it when whole:
// the lines show the final name instead (and the file sox reads under this
// process's temporary name). What the run does without a program (a copy,
// the removal of an orphan, the entries up to date) is said on comment
// lines. Nothing is converted, deleted or created.
#include <QString>
#include <QStringList>

#include "convert/core/EntryPlan.h"
#include "convert/core/ProgramPaths.h"

namespace quavero {

namespace cli {
struct DryRunLines {
    QStringList commands; // for standard output
    QStringList problems; // "<file>: <why it would fail>", for standard error
};

DryRunLines dryRun(const RunPlan &plan, const ProgramPaths &programs);
} // namespace cli

} // namespace quavero
