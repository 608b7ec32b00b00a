// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the job commands that read a list share: opening it, and the roots
// this machine finds its files under.
#include <QList>

#include "cli/JobRequest.h"
#include "jobs/core/JobEntries.h"
#include "jobs/engine/JobListFile.h"

namespace quavero {

namespace cli {
// The exit status for a list that cannot be used, as for a wrong command line.
constexpr int kUnusableList = 2;

// Opens the request's list; false, with the reason said, when it cannot be used.
bool openList(const JobRequest &request, JobListFile &list);
// The list's roots, or those --in-root and --out-root name, absolute.
jobs::JobRoots rootsFor(const JobListHeader &header, const JobRequest &request);
// Every job of the list; false, with the reason said, at a line that cannot be used.
bool readAllJobs(const JobListFile &list, QList<JobLine> *jobs);
} // namespace cli

} // namespace quavero
