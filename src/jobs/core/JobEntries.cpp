// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/core/JobEntries.h"

#include "convert/core/RunPlanner.h"
#include "convert/core/TagTarget.h"
#include "cue/core/TrackEntry.h"
#include "filelist/core/FileEntry.h"
#include "jobs/core/JobPaths.h"
#include "jobs/core/JobSettings.h"
#include "jobs/core/JobsText.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace quavero {

namespace jobs {
namespace {
// The folder an entry was added under: its own, less the subfolders it keeps
// below the destination.
QString addedFolder(const NodeVideoFile &entry)
{
    const QString folder = QFileInfo(entry.s_File_Path()).path();
    const QString kept = entry.s_Relative_Folder();
    return !kept.isEmpty() && folder.endsWith(QLatin1Char('/') + kept) ? folder.chopped(kept.size() + 1) : folder;
}

// The root that holds every input of the plan's jobs.
QString rootFor(const RunPlan &plan, const QString &preferred)
{
    QStringList folders;
    if (!preferred.isEmpty())
        folders << QDir::cleanPath(preferred);
    for (const EntryPlan &entry : plan.entries)
        if (entry.action == PlanAction::Convert &&
            (preferred.isEmpty() || relativeBelow(folders.first(), entry.input.s_File_Path()).isEmpty()))
            folders << addedFolder(entry.input);
    return commonFolder(folders);
}

JobTrack jobTrackOf(const ImageTrack &track, const QString &name, const QString &inputRoot)
{
    JobTrack t;
    if (!track.isTrack())
        return t;
    t.sheet = relativeBelow(inputRoot, track.sheetPath);
    t.name = name;
    t.number = track.number;
    t.count = track.count;
    t.start = track.range.start;
    t.end = track.range.end;
    t.sampleRate = track.sampleRate;
    t.tags = track.tags.fields;
    return t;
}

ImageTrack imageTrackOf(const JobTrack &t, const QString &inputRoot)
{
    ImageTrack track;
    if (!t.isTrack())
        return track;
    track.sheetPath = joined(inputRoot, t.sheet);
    track.number = t.number;
    track.count = t.count;
    track.range = SampleRange{t.start, t.end};
    track.sampleRate = t.sampleRate;
    track.tags.fields = t.tags;
    return track;
}
} // namespace

JobListDraft listOf(const RunPlan &plan, const QString &inputRoot, const QString &planId, const QString &program)
{
    JobListDraft draft;
    JobListHeader &h = draft.header;
    h.planId = planId;
    h.program = program;
    h.inputRoot = rootFor(plan, inputRoot);
    h.outputRoot = QDir::cleanPath(plan.destinationFolder);
    describeSettings(plan.settings, &h);
    draft.jobs.reserve(plan.entries.size());
    for (const EntryPlan &entry : plan.entries) {
        if (entry.action == PlanAction::Skip) {
            ++draft.upToDate;
            continue;
        }
        if (entry.action != PlanAction::Convert) {
            draft.problems.append({entry.input.s_File_Path(), entry.action == PlanAction::Fail
                                                                  ? entry.problem
                                                                  : Text::tr("a job list holds conversions only")});
            continue;
        }
        JobLine job;
        job.index = draft.jobs.size();
        job.input = relativeBelow(h.inputRoot, entry.input.s_File_Path());
        job.output = relativeBelow(h.outputRoot, entry.finalPath);
        job.renamed = entry.renamed;
        job.track = jobTrackOf(entry.input.m_Track(), entry.input.s_File_Name_Without_Extension(), h.inputRoot);
        // A path a worker would refuse never goes into the list.
        QString problem = pathProblem(job.input, PathRole::Input);
        if (problem.isEmpty())
            problem = pathProblem(job.output, PathRole::Output);
        if (problem.isEmpty() && job.track.isTrack())
            problem = pathProblem(job.track.sheet, PathRole::Input);
        if (!problem.isEmpty()) {
            draft.problems.append({entry.input.s_File_Path(), problem});
            continue;
        }
        draft.jobs.append(job);
    }
    h.jobCount = draft.jobs.size();
    return draft;
}

bool entryOf(const JobLine &job, const SettingsSnapshot &settings, const JobRoots &roots, qint64 processId,
             EntryPlan *entry, QString *error)
{
    const OutputFormat *format = formats::at(settings.formatIndex);
    const QString name = job.output.mid(job.output.lastIndexOf(QLatin1Char('/')) + 1);
    if (!format || !name.endsWith(format->extension) || name.size() == format->extension.size()) {
        *error = Text::tr("its output %1 does not end in %2, the extension of the list's format")
                     .arg(quotedText(job.output), format ? format->extension : QString());
        return false;
    }
    EntryPlan e;
    e.formatIndex = settings.formatIndex;
    const QString input = joined(roots.input, job.input);
    e.input = filelist::entryFromUrl(QUrl::fromLocalFile(input));
    if (job.track.isTrack()) {
        // Named as the local run names it, and timed by its own samples.
        e.input.setM_Track(imageTrackOf(job.track, roots.input));
        e.input.setS_File_Name_Without_Extension(job.track.name);
        e.input = cue::withTrackShare(e.input);
    }
    const qsizetype slash = job.output.lastIndexOf(QLatin1Char('/'));
    e.output.subfolder = slash < 0 ? QString() : job.output.left(slash);
    e.output.baseName = name.chopped(format->extension.size());
    e.renamed = job.renamed;
    if (!runplan::planStages(e, settings, roots.output, processId) ||
        QDir::cleanPath(e.finalPath) != QDir::cleanPath(joined(roots.output, job.output))) {
        *error = Text::tr("its output %1 cannot be planned below the output root").arg(quotedText(job.output));
        return false;
    }
    if (settings.copyTags && tags::targetFor(settings.formatIndex).writes())
        e.tagSource = input;
    *entry = e;
    return true;
}
} // namespace jobs

} // namespace quavero
