// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a command line asks of a job list: write one (--plan), run some of
// its jobs (--from-plan with --index or --chunk), sum up their results
// (--report), or name each job's files for a transfer (--list-jobs). Plain
// data.
#include <QSet>
#include <QString>

#include "jobs/core/JobChunk.h"

namespace quavero {

namespace cli {
struct JobRequest {
    enum class Mode { None, Plan, Run, Report, List };
    Mode mode = Mode::None;
    QString listPath;
    qint64 index = -1; // --index; -1 when not given
    bool hasChunk = false;
    JobChunk chunk;          // --chunk K/C
    QString inputRoot;       // --in-root: where this machine finds the list's input root; "" for the list's
    QString outputRoot;      // --out-root: likewise for the output root
    bool failedOnly = false; // --failed
};

// Takes one of the job options (its long name without the dashes) into the
// request; the reason when its value cannot be used, else "".
QString readJobOption(const QString &name, const QString &value, JobRequest &job);
// The options given with a job option that make no sense with it, or a
// missing one it needs; the reason, else "". given: the long names of every
// option on the line; inputs: whether files or folders were named.
QString checkJobLine(const JobRequest &job, const QSet<QString> &given, bool inputs);
} // namespace cli

} // namespace quavero
