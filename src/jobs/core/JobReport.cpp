// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/core/JobReport.h"

#include "jobs/core/JobPaths.h"
#include "jobs/core/JobsText.h"

namespace quavero {

namespace jobs {
JobsOutcome outcomeOf(const QList<JobLine> &jobs, const QHash<qint64, JobResult> &results, const JobRoots &roots,
                      const std::function<QString(const QString &)> &shown)
{
    JobsOutcome o;
    o.outcome.entries.reserve(jobs.size());
    for (const JobLine &job : jobs) {
        const QString input = joined(roots.input, job.input);
        const QString output = joined(roots.output, job.output);
        EntryOutcome e;
        e.name = shown(input);
        const auto found = results.constFind(job.index);
        if (found == results.constEnd()) {
            e.fate = EntryFate::NotConverted;
            e.reason = Text::tr("not run yet");
            o.notDone << job.index;
            ++o.notRun;
            o.outcome.entries.append(e);
            continue;
        }
        const JobResult &r = *found;
        e.fate = r.status == JobStatus::Done ? EntryFate::Converted : EntryFate::Failed;
        if (e.fate == EntryFate::Converted) {
            e.savedAs = shown(output);
            e.renamed = job.renamed;
            e.warnings = r.warnings;
        } else {
            e.reason = r.reason;
            o.notDone << job.index;
        }
        if (e.fate != EntryFate::Converted || e.renamed) {
            e.details.inputPath = input;
            e.details.reason = e.reason;
            e.details.savedAs = e.renamed ? output : QString();
            e.details.rawMessage = r.rawMessage;
            e.details.programs = r.programs;
        }
        o.outcome.entries.append(e);
    }
    return o;
}

QList<RecordRow> recordRows(const QList<JobLine> &jobs, const QHash<qint64, JobResult> &results, const JobRoots &roots,
                            const QString &fingerprint,
                            const std::function<std::optional<FileStamp>(const QString &)> &outputNow)
{
    QList<RecordRow> rows;
    for (const JobLine &job : jobs) {
        const auto found = results.constFind(job.index);
        if (found == results.constEnd() || found->status != JobStatus::Done)
            continue;
        const std::optional<FileStamp> now = outputNow(joined(roots.output, job.output));
        if (!now || now->size != found->output.size)
            continue;
        rows.append(RecordRow{job.output, joined(roots.input, job.input), found->input, fingerprint, *now});
    }
    return rows;
}
} // namespace jobs

} // namespace quavero
