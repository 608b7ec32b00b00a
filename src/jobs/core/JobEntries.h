// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A run plan as a job list, and one job back as an entry of a plan.
//
// - listOf(): one job per entry the plan converts, in list order, its input
//   and output relative to the roots. An entry the plan cannot convert is no
//   job: it is given back with its reason, as a run would report it; one
//   that is up to date is left out.
// - entryOf(): a worker's plan of one job, made by the run planner from the
//   list's settings, the job's paths and the roots the worker names. The
//   output must be below the output root and end in the format's extension;
//   the programs and their arguments come from the planner alone, never from
//   the list.
// Pure.
#include <QList>
#include <QString>

#include "convert/core/EntryPlan.h"
#include "jobs/core/JobList.h"

namespace quavero {

struct PlannedProblem {
    QString input; // absolute path
    QString problem;
};

struct JobListDraft {
    JobListHeader header;
    QList<JobLine> jobs;
    QList<PlannedProblem> problems; // the entries that cannot be converted, in list order
    int upToDate = 0;               // entries left out because their output is up to date (-u)
};

namespace jobs {
// inputRoot: the folder the inputs are stored relative to; a plan entry
// outside it widens it to a folder that holds them all.
JobListDraft listOf(const RunPlan &plan, const QString &inputRoot, const QString &planId, const QString &program);

struct JobRoots {
    QString input;  // absolute, clean
    QString output; // absolute, clean
};

// False, with the reason, when the job's output cannot be a file of the
// list's format below the output root. processId: of the worker, which
// writes the temporary files.
bool entryOf(const JobLine &job, const SettingsSnapshot &settings, const JobRoots &roots, qint64 processId,
             EntryPlan *entry, QString *error);
} // namespace jobs

} // namespace quavero
