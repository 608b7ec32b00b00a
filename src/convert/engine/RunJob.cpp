// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/RunJob.h"

#include "convert/engine/ConversionJob.h"
#include "convert/engine/CopyJob.h"
#include "convert/engine/RemoveJob.h"

namespace quavero {

namespace {
class ConversionRunJob : public RunJob {
public:
    ConversionRunJob(const ProgramPaths &programs, std::shared_ptr<OutputLedger> ledger, std::shared_ptr<RunGains> gains)
        : m_job(new ConversionJob(programs, std::move(ledger), nullptr, std::move(gains)))
    {
        QObject::connect(m_job.get(), &ConversionJob::progressChanged, m_job.get(), [this](ProgressReading reading) {
            if (progressed)
                progressed(reading);
        });
        QObject::connect(m_job.get(), &ConversionJob::finished, m_job.get(), [this](const ConversionResult &result) {
            if (finished)
                finished(result);
        });
        m_job->setStopPending([this] { return stopPending && stopPending(); });
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
RunJobFactory forPlans(const ProgramPaths &programs, std::shared_ptr<OutputLedger> ledger, std::shared_ptr<RunGains> gains)
{
    return [programs, ledger, gains](const EntryPlan &plan) -> std::unique_ptr<RunJob> {
        switch (plan.action) {
        case PlanAction::Copy:
            return std::make_unique<CopyJob>(ledger);
        case PlanAction::Remove:
            return std::make_unique<RemoveJob>(ledger);
        default:
            return std::make_unique<ConversionRunJob>(programs, ledger, gains);
        }
    };
}
} // namespace runjobs

} // namespace quavero
