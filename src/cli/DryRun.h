// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// --dry-run: the commands of a run plan, one per line, each quoted for a
// POSIX shell: exactly the programs and argument vectors the run would
// start, with the output names and subfolders it would use. Nothing is
// converted, deleted or created (but the private temporary folder the sox
// input lives in).
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
