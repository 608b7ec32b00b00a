// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One entry of a run's plan as the run carries it out: a conversion, a copy
// or the removal of an orphan. Tests give jobs they end by hand.
#include <functional>
#include <memory>

#include "convert/core/ConversionResult.h"
#include "convert/core/EntryPlan.h"
#include "convert/core/ProgramPaths.h"
#include "convert/core/ProgressParser.h"

namespace quavero {

class OutputLedger;
class RunGains;

class RunJob {
public:
    virtual ~RunJob() = default;
    // Starts carrying out the entry's plan; finished follows exactly once,
    // from the event loop. The run never deletes a job from inside its own
    // callbacks.
    virtual void start(const EntryPlan &plan) = 0;
    // Kills the entry's ffmpeg or sox (or its copy), removes its partial
    // files and reports finished (not ok) before it returns.
    virtual void stop() = 0;

    std::function<void(const ProgressReading &)> progressed;
    std::function<void(const ConversionResult &)> finished;
    // Set by the run: true when a stop is on its way and nothing may be
    // published any more.
    std::function<bool()> stopPending;
};

using RunJobFactory = std::function<std::unique_ptr<RunJob>(const EntryPlan &plan)>;

namespace runjobs {
// The job for each entry: ffmpeg and sox at these paths convert, a copy
// copies, an orphan is removed; what is finished goes through ledger (none:
// published without a record).
// gains: the run's album gains (RunGains::forPlan), none when it writes none.
RunJobFactory forPlans(const ProgramPaths &programs, std::shared_ptr<OutputLedger> ledger = {},
                       std::shared_ptr<RunGains> gains = {});
} // namespace runjobs

} // namespace quavero
