// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/RunJob.h"

namespace quavero {

namespace {
class ConversionRunJob : public RunJob {
public:
    explicit ConversionRunJob(const ProgramPaths &programs) : m_job(new ConversionJob(programs))
    {
        QObject::connect(m_job.get(), &ConversionJob::progressChanged, m_job.get(), [this](ProgressReading reading) {
            if (progressed)
                progressed(reading);
        });
        QObject::connect(m_job.get(), &ConversionJob::finished, m_job.get(), [this](const ConversionResult &result) {
            if (finished)
                finished(result);
        });
    }
    // A job still running is killed by the ConversionJob's destructor.
    ~ConversionRunJob() override { QObject::disconnect(m_job.get(), nullptr, m_job.get(), nullptr); }
    void start(const EntryPlan &plan) override { m_job->start(plan); }
    void stop() override { m_job->stop(); }

private:
    std::unique_ptr<ConversionJob> m_job;
};
} // namespace

namespace runjobs {
RunJobFactory conversionJobs(const ProgramPaths &programs)
{
    return [programs]() -> std::unique_ptr<RunJob> { return std::make_unique<ConversionRunJob>(programs); };
}
} // namespace runjobs

} // namespace quavero
