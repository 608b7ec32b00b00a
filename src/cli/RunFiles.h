// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Carries out a run plan for the command line through a ConversionRun with
// up to N files at once and no pauses, showing each step on the progress
// display, and returns what became of the entries. Durations are probed in
// parallel ahead of the conversions when the display shows percentages and
// the time left. Ctrl-C (or SIGTERM) stops the run: the running conversions
// are killed and their partial files removed.
#include "cli/InterruptWatcher.h"
#include "convert/core/EntryPlan.h"
#include "convert/core/RunOutcome.h"
#include "convert/core/ProgramPaths.h"

#include <functional>
#include <memory>

namespace quavero {

class ConversionRun;
class OutputLedger;

namespace cli {
class ProgressDisplay;

struct RunFilesSettings {
    ProgramPaths programs;
    std::shared_ptr<OutputLedger> ledger; // where finished files go; none: published without a record
    int jobs = 1;
    // The durations only serve the live display: without it the probes would
    // be work for nothing.
    bool probeDurations = true;
    // Told as each entry starts and ends, for a caller that keeps a note of
    // its own per entry (a job list's results).
    std::function<void(int index)> entryStarted;
    std::function<void(const ConversionRun &run, int index)> entryEnded;
    // Removes only the stale temporaries of the plan's own outputs (see RunSetup).
    bool ownTemporariesOnly = false;
};

// Runs the event loop until the run has ended.
RunOutcome runFiles(const RunPlan &plan, const RunFilesSettings &settings, ProgressDisplay &display,
                    InterruptWatcher &interrupts);
} // namespace cli

} // namespace quavero
