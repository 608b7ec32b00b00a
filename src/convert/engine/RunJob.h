// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One entry's conversion as a run drives it. The run's own jobs are
// ConversionJobs; tests give jobs they end by hand.
#include <functional>
#include <memory>

#include "convert/engine/ConversionJob.h"

namespace quavero {

class RunJob {
public:
    virtual ~RunJob() = default;
    // Starts carrying out the entry's plan; finished follows exactly once,
    // from the event loop. The run never deletes a job from inside its own
    // callbacks.
    virtual void start(const EntryPlan &plan) = 0;
    // Kills the entry's ffmpeg or sox, removes its partial files and reports
    // finished (not ok) before it returns.
    virtual void stop() = 0;

    std::function<void(const ProgressReading &)> progressed;
    std::function<void(const ConversionResult &)> finished;
};

using RunJobFactory = std::function<std::unique_ptr<RunJob>()>;

namespace runjobs {
// Jobs that convert with ffmpeg and sox at these paths.
RunJobFactory conversionJobs(const ProgramPaths &programs);
} // namespace runjobs

} // namespace quavero
