// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion a usable command line asks for, from the input list to the
// summary; returns the exit status. Needs a QCoreApplication.
#include <functional>
#include <memory>

#include "cli/CommandLine.h"
#include "convert/core/ProgramPaths.h"
#include "convert/core/RunPlanner.h"
#include "convert/core/SettingsSnapshot.h"

namespace quavero {

class ConversionRun;
class OutputLedger;

namespace cli {
// Effects set for a format whose other settings leave out the effects stage
// would silently do nothing: the warning that says so, empty when none is due.
QString idleEffectsWarning(const Request &request);
// The settings the request converts with.
SettingsSnapshot snapshotOf(const Request &request);
// programs: the ffmpeg and sox the run starts.
int runConversion(const Request &request, const ProgramPaths &programs);

// The parts of a conversion other commands share:
// False, with the reason said, when an option's value is one the format's
// encoder cannot take.
bool choicesUsable(const Request &request);
// The entries the request's INPUTs name; what they warn of (and the idle
// effects) is said on standard error.
QList<PlanInput> inputsOf(const Request &request);
// The output folder, absolute.
QString destinationOf(const Request &request);
// How many files are converted (and probed) at once: -j, or one a processor.
int jobsFor(const Request &request);
// Before a run writes: the programs the settings need are there and the
// output folder is made; false, with the reason said, when not.
bool readyToRun(const SettingsSnapshot &settings, const ProgramPaths &programs, const QString &destination);

struct RunHooks {
    std::function<void(int index)> entryStarted;
    std::function<void(const ConversionRun &run, int index)> entryEnded;
    bool ownTemporariesOnly = false; // see RunFilesSettings
};
// Converts the plan as the request says (jobs at once, quiet, verbose), the
// finished files put in place by the ledger (none: without a record), with
// the progress and the summary; gives the exit status.
int convertPlan(const Request &request, const RunPlan &plan, const ProgramPaths &programs,
                std::shared_ptr<OutputLedger> ledger, const RunHooks &hooks = {});
} // namespace cli

} // namespace quavero
