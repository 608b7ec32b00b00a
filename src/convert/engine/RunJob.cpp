// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/RunJob.h"

namespace quavero {

namespace {
class ConversionRunJob : public RunJob {
public:
    ConversionRunJob(const QString &ffmpegPath, const QString &soxPath, const FormatRecords *records)
        : m_job(new ConversionJob(ffmpegPath, soxPath, records))
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
    void start(const ConversionRequest &request) override { m_job->start(request); }
    void stop() override { m_job->stop(); }
    QString intermediatePath() const override
    {
        return m_job->command().effects ? m_job->command().ffmpegOutputPath : QString();
    }

private:
    std::unique_ptr<ConversionJob> m_job;
};
} // namespace

namespace runjobs {
RunJobFactory conversionJobs(const QString &ffmpegPath, const QString &soxPath, const FormatRecords *records)
{
    return [ffmpegPath, soxPath, records]() -> std::unique_ptr<RunJob> {
        return std::make_unique<ConversionRunJob>(ffmpegPath, soxPath, records);
    };
}
} // namespace runjobs

} // namespace quavero
