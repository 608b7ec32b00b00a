// SPDX-License-Identifier: GPL-3.0-or-later
// --report FILE [--failed] and --list-jobs FILE: what the workers did with
// a job list, and each job's files for a transfer.
#include "cli/CliText.h"
#include "cli/ExitStatus.h"
#include "cli/JobCommands.h"
#include "cli/JobListUse.h"
#include "cli/Printing.h"
#include "cli/ShownPath.h"
#include "cli/Summary.h"
#include "jobs/core/JobReport.h"
#include "jobs/engine/ResultStore.h"
#include "jobs/core/JobSettings.h"
#include "convert/core/RunPlanner.h"
#include "mirror/engine/FileStamps.h"
#include "mirror/engine/LibraryRecord.h"

namespace quavero {

namespace cli {
namespace {
// -u: the report is the destination record's single writer; the workers,
// many at once, write none. False, with the reason said, when it cannot.
bool noteInRecord(const JobListFile &list, const QList<JobLine> &lines, const QHash<qint64, JobResult> &results,
                  const jobs::JobRoots &roots, bool quiet)
{
    SettingsSnapshot settings;
    QString error;
    if (!jobs::settingsOf(list.header(), &settings, &error)) {
        complain(Text::tr("the job list %1 cannot be used: line 1: %2").arg(list.path(), error));
        return false;
    }
    const QList<RecordRow> rows =
        jobs::recordRows(lines, results, roots, runplan::fingerprintOf(settings), &mirror::outputStampOf);
    LibraryRecord record(roots.output);
    bool noted = record.open(true) == RecordState::Open && record.begin();
    for (const RecordRow &row : rows)
        noted = noted && record.note(row);
    noted = noted && record.commit();
    if (!noted) {
        record.rollback();
        complain(record.problem().isEmpty() ? Text::tr("the library record in %1 could not be written").arg(roots.output)
                                            : record.problem());
        return false;
    }
    if (!quiet)
        print(stdout, Text::tr("the library record in %1 notes %2 outputs\n").arg(roots.output).arg(rows.size()));
    return true;
}
} // namespace

int reportJobs(const Request &request)
{
    JobListFile list;
    QList<JobLine> lines;
    if (!openList(request.job, list) || !readAllJobs(list, &lines))
        return kUnusableList;
    QStringList problems;
    const QHash<qint64, JobResult> results =
        ResultStore(list.path()).readAll(list.header().planId, list.count(), &problems);
    const JobsOutcome outcome = jobs::outcomeOf(lines, results, rootsFor(list.header(), request.job), &shownPath);
    for (const QString &problem : problems)
        complain(Text::tr("a result is left out: %1").arg(problem));
    const int status = outcome.notDone.isEmpty() ? int(ExitStatus::Converted) : int(ExitStatus::SomeFailed);
    if (request.job.failedOnly) {
        QString text;
        for (qint64 index : outcome.notDone)
            text += QString::number(index) + QLatin1Char('\n');
        print(stdout, text);
        return status;
    }
    if (request.update && !noteInRecord(list, lines, results, rootsFor(list.header(), request.job), request.quiet))
        return int(ExitStatus::SomeFailed);
    QString text = summaryText(outcome.outcome);
    if (outcome.notRun > 0)
        text += Text::tr("not run yet: %1 of %2 jobs have no result; --report %3 --failed lists them with the failed "
                         "ones\n")
                    .arg(outcome.notRun)
                    .arg(list.count())
                    .arg(request.job.listPath);
    const QString details = failureDetails(outcome.outcome);
    if (request.verbose && !details.isEmpty())
        text += QLatin1Char('\n') + details + QLatin1Char('\n');
    // Quiet, the summary is told only when something is not done.
    if (!request.quiet)
        print(stdout, text);
    else if (!outcome.notDone.isEmpty())
        print(stderr, text);
    return status;
}

int listJobPaths(const Request &request)
{
    JobListFile list;
    QList<JobLine> lines;
    if (!openList(request.job, list) || !readAllJobs(list, &lines))
        return kUnusableList;
    // Number, input and output, each ended by a NUL, which no path holds:
    // GNU parallel reads them with -0 -N3, names with line breaks included.
    QByteArray bytes;
    for (const JobLine &job : lines)
        bytes += QByteArray::number(job.index) + '\0' + job.input.toUtf8() + '\0' + job.output.toUtf8() + '\0';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
    return int(ExitStatus::Converted);
}
} // namespace cli

} // namespace quavero
