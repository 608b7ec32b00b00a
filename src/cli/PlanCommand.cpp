// SPDX-License-Identifier: GPL-3.0-or-later
// --plan FILE: the run's plan written as a job list.
#include "cli/CliText.h"
#include "cli/ConvertCommand.h"
#include "cli/ExitStatus.h"
#include "cli/JobCommands.h"
#include "cli/Printing.h"
#include "cli/ShownPath.h"
#include "jobs/core/JobPaths.h"
#include "jobs/engine/JobListFile.h"
#include "mirror/engine/DestinationRecord.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUuid>

namespace quavero {

namespace cli {
namespace {
// The folder the inputs are stored relative to: the one that holds every
// folder named on the line and the folder of every file named, so that a
// worker's --in-root names the same place the user named.
QString inputRootOf(const QStringList &inputs)
{
    QStringList folders;
    for (const QString &input : inputs) {
        const QFileInfo info(QDir::cleanPath(QFileInfo(input).absoluteFilePath()));
        folders << (info.isDir() ? info.filePath() : info.path());
    }
    return jobs::commonFolder(folders);
}
} // namespace

int writeJobList(const Request &request)
{
    // The plan a conversion would make; with -u the destination's record says
    // what is up to date, and nothing is written to it.
    if (!choicesUsable(request))
        return int(ExitStatus::UsageError);
    const SettingsSnapshot settings = snapshotOf(request);
    const QList<PlanInput> inputs = inputsOf(request);
    DestinationRecord record(destinationOf(request), settings, false);
    if (!record.problem().isEmpty())
        complain(record.problem());
    const RunPlan plan = record.plan(settings, inputs, QCoreApplication::applicationPid());
    for (const QString &warning : plan.warnings)
        complain(warning);
    const QString planId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const JobListDraft list =
        jobs::listOf(plan, inputRootOf(request.inputs), planId, QStringLiteral("quavero-cli " QUAVERO_VERSION));
    for (const PlannedProblem &problem : list.problems)
        complain(QStringLiteral("%1: %2").arg(shownPath(problem.input), problem.problem));
    QString error;
    if (!jobs::writeList(request.job.listPath, list, &error)) {
        complain(error);
        return 1;
    }
    if (!request.quiet) {
        print(stdout, Text::tr("%1 jobs written to %2: inputs below %3, outputs below %4\n")
                          .arg(list.jobs.size())
                          .arg(request.job.listPath, list.header.inputRoot, list.header.outputRoot));
        if (list.upToDate > 0)
            print(stdout, Text::tr("%1 files are up to date and are not in the list\n").arg(list.upToDate));
        if (!list.problems.isEmpty())
            print(stdout,
                  Text::tr("%1 files cannot be converted and are not in the list (see above)\n").arg(list.problems.size()));
    }
    return list.problems.isEmpty() ? 0 : 1;
}
} // namespace cli

} // namespace quavero
