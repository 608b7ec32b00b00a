// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DryRun.h"

#include "cli/ShownPath.h"
#include "convert/core/ShellQuote.h"

namespace quavero {

namespace cli {
DryRunLines dryRun(const RunPlan &plan, const ProgramPaths &programs)
{
    DryRunLines lines;
    for (const EntryPlan &entry : plan.entries) {
        if (entry.action == PlanAction::Fail) {
            lines.problems << QStringLiteral("%1: %2").arg(shownPath(entry.input.s_File_Path()), entry.problem);
            continue;
        }
        for (const PlannedStage &stage : entry.stages)
            lines.commands << shell::commandLine(programs.of(stage.program), stage.arguments);
    }
    return lines;
}
} // namespace cli

} // namespace quavero
