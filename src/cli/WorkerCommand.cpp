// SPDX-License-Identifier: GPL-3.0-or-later
// --from-plan FILE --index N | --chunk K/C: a worker runs jobs of a list.
#include "cli/CliText.h"
#include "cli/ConvertCommand.h"
#include "cli/DryRun.h"
#include "cli/ExitStatus.h"
#include "cli/JobCommands.h"
#include "cli/JobListUse.h"
#include "cli/Printing.h"
#include "cli/ShownPath.h"
#include "cli/StreamProbes.h"
#include "convert/core/RunPlanner.h"
#include "convert/core/OutputSafety.h"
#include "convert/engine/ConversionRun.h"
#include "formats/core/ChoiceLimits.h"
#include "jobs/core/JobPaths.h"
#include "jobs/core/JobSettings.h"
#include "jobs/engine/JobNotes.h"
#include "mirror/engine/FileStamps.h"
#include "platform/core/FileSystem.h"

#include <QCoreApplication>

namespace quavero {

namespace cli {
namespace {

struct WorkerJobs {
    QList<qint64> indices; // the job of each entry
    QList<EntryPlan> entries;
};

bool unusable(const JobListFile &list, const QString &reason)
{
    complain(Text::tr("the job list %1 cannot be used: %2").arg(list.path(), reason));
    return false;
}

// Which jobs the request names; false (said) when there is no such job.
bool rangeOf(const JobRequest &request, const JobListFile &list, JobRange *range)
{
    if (request.hasChunk) {
        *range = jobs::rangeOf(request.chunk, list.count());
        return true;
    }
    if (request.index >= list.count()) {
        complain(Text::tr("the job list %1 has no job %2: it holds %3 jobs, numbered from 0")
                     .arg(list.path())
                     .arg(request.index)
                     .arg(list.count()));
        return false;
    }
    *range = JobRange{request.index, request.index + 1};
    return true;
}

// Each job of the range planned by this program's planner; false (said) at
// a line that cannot be used, before anything runs.
bool planJobs(const JobListFile &list, const SettingsSnapshot &settings, const jobs::JobRoots &roots, qint64 processId,
              const JobRange &range, WorkerJobs *planned)
{
    for (qint64 i = range.begin; i < range.end; ++i) {
        JobLine job;
        EntryPlan entry;
        QString error;
        if (!list.job(i, &job, &error))
            return unusable(list, error);
        if (!jobs::entryOf(job, settings, roots, processId, &entry, &error))
            return unusable(list, Text::tr("line %1: %2").arg(i + 2).arg(error));
        planned->indices << i;
        planned->entries << entry;
    }
    return true;
}

// The entries whose output is there already and is an input of the list: a
// list may ask for anything, but never that an input be written over. The
// list's inputs are read only when an output is there, as on a run again.
QList<int> overInputs(const JobListFile &list, const jobs::JobRoots &roots, const QList<EntryPlan> &entries)
{
    QList<int> there;
    for (int i = 0; i < entries.size(); ++i)
        if (fs::exists(entries.at(i).finalPath))
            there << i;
    if (there.isEmpty())
        return {};
    QStringList inputs;
    for (qint64 i = 0; i < list.count(); ++i) {
        JobLine job;
        QString error;
        if (list.job(i, &job, &error))
            inputs << jobs::joined(roots.input, job.input);
    }
    const QSet<QString> canonical = safety::canonicalInputs(inputs, &fs::canonicalPath);
    QList<int> over;
    for (int i : there)
        if (safety::outputReplacesInput(entries.at(i).writes(), canonical, &fs::canonicalPath))
            over << i;
    return over;
}
// The arguments a local run would give: the entries whose arguments depend
// on the input's stream (its rate, channels or sample size kept, a film's
// video left out) are asked of ffmpeg here, where the inputs are, and
// planned again.
void takeStreams(RunPlan &plan, const QString &ffmpeg, int jobs)
{
    const QList<int> wanted = runplan::streamsWanted(plan);
    if (wanted.isEmpty())
        return;
    QList<PlanInput> inputs;
    inputs.reserve(plan.entries.size());
    for (const EntryPlan &entry : std::as_const(plan.entries))
        inputs.append({entry.input, QString()});
    probeStreams(inputs, wanted, ffmpeg, jobs);
    for (int i : wanted) {
        EntryPlan &entry = plan.entries[i];
        entry.input = inputs.at(i).entry;
        runplan::planStages(entry, plan.settings, plan.destinationFolder, plan.processId);
    }
}
} // namespace

int runFromList(const Request &request, const ProgramPaths &programs)
{
    JobListFile list;
    if (!openList(request.job, list))
        return kUnusableList;
    SettingsSnapshot settings;
    QString error;
    JobRange range;
    if (!jobs::settingsOf(list.header(), &settings, &error) ||
        !(error = formats::refusedChoice(settings.formatIndex, settings.records)).isEmpty()) {
        unusable(list, Text::tr("line 1: %1").arg(error));
        return kUnusableList;
    }
    if (!rangeOf(request.job, list, &range))
        return kUnusableList;
    const jobs::JobRoots roots = rootsFor(list.header(), request.job);
    const qint64 processId = QCoreApplication::applicationPid();
    WorkerJobs planned;
    if (!planJobs(list, settings, roots, processId, range, &planned))
        return kUnusableList;

    const ResultStore store(list.path());
    const QString planId = list.header().planId;
    JobNotes notes(store, planId);
    const QList<int> over = overInputs(list, roots, planned.entries);
    RunPlan plan;
    plan.settings = settings;
    plan.destinationFolder = roots.output;
    plan.processId = processId;
    QList<qint64> indices;
    int failedEarly = 0;
    for (int i = 0; i < planned.entries.size(); ++i) {
        const EntryPlan &entry = planned.entries.at(i);
        const qint64 index = planned.indices.at(i);
        const QString name = shownPath(entry.input.s_File_Path());
        if (jobs::alreadyDone(store.read(index), planId, mirror::outputStampOf(entry.finalPath))) {
            if (!request.quiet)
                print(stdout, Text::tr("skipped: %1: done before, and its output is there\n").arg(name));
        } else if (over.contains(i)) {
            if (!request.dryRun)
                notes.failed(index, entry.input.s_File_Path(), safety::replacesInputReason());
            print(request.quiet ? stderr : stdout, Text::tr("failed: %1: %2\n").arg(name, safety::replacesInputReason()));
            ++failedEarly;
        } else {
            plan.entries << entry;
            indices << index;
        }
    }
    takeStreams(plan, programs.ffmpeg, jobsFor(request));
    if (request.dryRun) {
        const DryRunLines lines = dryRun(plan, programs);
        if (!lines.commands.isEmpty())
            print(stdout, lines.commands.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        return 0;
    }
    int status = int(ExitStatus::Converted);
    if (!plan.entries.isEmpty() && !readyToRun(settings, programs, roots.output))
        return int(ExitStatus::SomeFailed);
    if (!plan.entries.isEmpty()) {
        RunHooks hooks;
        hooks.entryStarted = [&](int i) { notes.started(indices.at(i), plan.entries.at(i).input.s_File_Path()); };
        hooks.entryEnded = [&](const ConversionRun &run, int i) {
            notes.ended(indices.at(i), run.state(i), run.result(i));
        };
        // Workers on other machines write in the same folders at once.
        hooks.ownTemporariesOnly = true;
        // No record is written here: workers run at once, and the report
        // writes the destination's record as its single writer.
        status = convertPlan(request, plan, programs, {}, hooks);
    }
    for (const QString &problem : notes.problems())
        complain(problem);
    if (status == int(ExitStatus::Converted) && (failedEarly > 0 || !notes.problems().isEmpty()))
        status = int(ExitStatus::SomeFailed);
    return status;
}
} // namespace cli

} // namespace quavero
