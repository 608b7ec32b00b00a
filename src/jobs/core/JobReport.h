// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The end of a run carried out by many workers: the jobs of a list with
// their results as the one outcome both front ends render, so that the
// report reads as a run's summary does ("12 converted, 3 failed", each
// failure with its reason). A job without a result was not run (or its
// worker was stopped). Pure.
#include <QHash>
#include <QList>
#include <functional>
#include <optional>

#include "convert/core/RunOutcome.h"
#include "jobs/core/JobEntries.h"
#include "jobs/core/JobResult.h"

namespace quavero {

struct JobsOutcome {
    RunOutcome outcome;    // one entry per job, in index order
    QList<qint64> notDone; // the jobs that failed or have no result, in index order
    int notRun = 0;        // the jobs without a result
};

namespace jobs {
// shown: how the front end names a file.
JobsOutcome outcomeOf(const QList<JobLine> &jobs, const QHash<qint64, JobResult> &results, const JobRoots &roots,
                      const std::function<QString(const QString &)> &shown);

// The rows the report notes in the destination's record (-u): each job done
// whose output is still the file its worker wrote (its size), with the input
// as the worker read it and the fingerprint of the list's settings. A row
// whose input stamp is not the input's own (a copy a worker was sent) only
// makes the next run with -u convert that file again, never skip one.
// outputNow: an output's stamp now, none when it is gone.
QList<RecordRow> recordRows(const QList<JobLine> &jobs, const QHash<qint64, JobResult> &results, const JobRoots &roots,
                            const QString &fingerprint,
                            const std::function<std::optional<FileStamp>(const QString &)> &outputNow);
} // namespace jobs

} // namespace quavero
