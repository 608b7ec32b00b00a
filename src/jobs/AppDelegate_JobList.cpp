// SPDX-License-Identifier: GPL-3.0-or-later
// File > Save Job List…: the run the Convert command would make, planned for
// an output folder and written as a job list, which workers on other
// machines carry out with quavero-cli --from-plan. Nothing is converted here
// and nothing is written to the output folder.
#include "app/AppDelegate.h"

#include "jobs/core/JobEntries.h"
#include "jobs/engine/JobListFile.h"
#include "mirror/engine/DestinationRecord.h"
#include "platform/Prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QUuid>

namespace quavero {

void AppDelegate::OnMenuSaveJobList()
{
    if (!listCanBePlanned())
        return;
    IPrompts &prompts = *m_services.prompts;
    const QString folder = prompts.chooseDestinationFolder(
        tr("Select the output folder the workers save the converted audio files in."), destinationStartFolder());
    if (folder.isEmpty())
        return;
    // Beside the output folder rather than in it: the list is no output.
    const QString listPath = prompts.chooseFileToSave(
        tr("Save the job list"), QDir(QFileInfo(folder).path()).filePath(QStringLiteral("jobs.jsonl")),
        QStringLiteral("jsonl"));
    if (listPath.isEmpty())
        return;

    // With "Skip files that are up to date" the destination's record says
    // what is left out; it is read, never written.
    const SettingsSnapshot settings = conversionSettings();
    DestinationRecord record(folder, settings, false);
    const RunPlan plan = planOfList(settings, record);
    const JobListDraft list = jobs::listOf(plan, QString(), QUuid::createUuid().toString(QUuid::WithoutBraces),
                                           QStringLiteral("Quavero " QUAVERO_VERSION));
    QString error;
    if (!jobs::writeList(listPath, list, &error)) {
        prompts.alertWithDetails(tr("The job list could not be saved."),
                                 tr("Choose a folder you may write in, then save the job list again."), error,
                                 {tr("Close")}, AlertKind::Warning);
        return;
    }

    QStringList informative;
    informative << tr("Jobs: %1 of the list's %2 files, in %3.")
                       .arg(list.jobs.size())
                       .arg(arrayVideoFiles.count())
                       .arg(QDir::toNativeSeparators(listPath));
    if (list.upToDate > 0)
        informative << tr("Up to date, and not in the list: %1.").arg(list.upToDate);
    if (!list.problems.isEmpty())
        informative << tr("Not in the list, since they cannot be converted: %1 (see the details).").arg(list.problems.size());
    informative << tr("Run the jobs on each machine with quavero-cli --from-plan and --index or --chunk, then "
                      "sum them up with quavero-cli --report.");
    QStringList details;
    if (!record.problem().isEmpty())
        details << record.problem();
    details << plan.warnings;
    for (const PlannedProblem &problem : list.problems)
        details << QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(problem.input), problem.problem);
    prompts.alertWithDetails(tr("The job list is saved."), informative.join(QLatin1Char(' ')),
                             details.join(QLatin1Char('\n')), {tr("Close")},
                             list.problems.isEmpty() ? AlertKind::Information : AlertKind::Warning);
}

} // namespace quavero
