// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The job list's commands of quavero-cli: a run planned here and carried
// out by workers elsewhere (GNU parallel over ssh, a Slurm job array).
//
// - --plan FILE: the run's plan, made as a conversion would make it, written
//   as a job list; nothing is converted and no program started.
// - --from-plan FILE --index N | --chunk K/C: runs jobs of the list, each
//   rebuilt by this program's own planner; a job done before, whose output
//   is still there as it was written, is skipped; each result goes to
//   FILE.results/N.json.
// - --report FILE [--failed]: the results summed up as a run's summary, or
//   the jobs not done, one index a line.
// - --list-jobs FILE: each job's number, input and output (relative to the
//   roots), NUL-terminated, for a tool that copies the files to the workers.
//
// Exit statuses: 0 every job done (or skipped), 1 a job failed or a file
// could not be written, 2 a command line or a list that cannot be used.
#include "cli/CommandLine.h"
#include "convert/core/ProgramPaths.h"

namespace quavero {

namespace cli {
// The request's job command; needs a QCoreApplication.
int runJobCommand(const Request &request, const ProgramPaths &programs);

int writeJobList(const Request &request);
int runFromList(const Request &request, const ProgramPaths &programs);
int reportJobs(const Request &request);
int listJobPaths(const Request &request);
} // namespace cli

} // namespace quavero
