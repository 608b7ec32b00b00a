// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DryRun.h"

#include "cli/CliText.h"
#include "cli/ShownPath.h"
#include "convert/core/ShellQuote.h"

namespace quavero {

namespace cli {
namespace {
// A path on a comment line: a line break in a name must not end the comment.
QString onCommentLine(const QString &path)
{
    QString shown = shownPath(path);
    for (QChar &c : shown)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char('?');
    return shown;
}
} // namespace

DryRunLines dryRun(const RunPlan &plan, const ProgramPaths &programs)
{
    DryRunLines lines;
    int upToDate = 0;
    for (const EntryPlan &entry : plan.entries) {
        // Why the template left an entry its own name, above what is done with it.
        if (!entry.namingNote.isEmpty() && (entry.action == PlanAction::Convert || entry.action == PlanAction::Copy))
            lines.commands << QStringLiteral("# %1: %2").arg(onCommentLine(entry.input.s_File_Path()), entry.namingNote);
        switch (entry.action) {
        case PlanAction::Fail:
            lines.problems << QStringLiteral("%1: %2").arg(shownPath(entry.input.s_File_Path()), entry.problem);
            break;
        case PlanAction::Convert:
            for (const PlannedStage &stage : entry.stages)
                lines.commands << shell::commandLine(programs.of(stage.program), entry.shownArguments(stage));
            break;
        case PlanAction::Copy:
            lines.commands << QStringLiteral("# ") +
                                  Text::tr("copy %1 to %2")
                                      .arg(onCommentLine(entry.input.s_File_Path()), onCommentLine(entry.finalPath));
            break;
        case PlanAction::Remove:
            lines.commands << QStringLiteral("# ") +
                                  Text::tr("remove %1, whose original is gone").arg(onCommentLine(entry.finalPath));
            break;
        case PlanAction::Skip:
            ++upToDate;
            break;
        }
    }
    if (upToDate > 0)
        lines.commands << QStringLiteral("# ") + Text::tr("%1 up to date").arg(upToDate);
    return lines;
}
} // namespace cli

} // namespace quavero
