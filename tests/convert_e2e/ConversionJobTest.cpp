// The per-file conversion job on its own, as the command-line tool uses it:
// failures with their reasons, stop(), and the effects settings read when the
// effects stage starts.
#include "RunSupport.h"

#include "convert/engine/ConversionJob.h"
#include "platform/core/BundledPrograms.h"

#include <QFile>

using namespace runsupport;

namespace {
class ConversionJobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        in = testenv::freshFolder("in");
        out = testenv::freshFolder("out");
        work = testenv::freshFolder("work");
        records = startRecords();
    }
    // A shell script standing in for a program.
    QString script(const QString &name, const QByteArray &body)
    {
        const QString path = in + "/" + name;
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("#!/bin/sh\n" + body + "\n");
        f.close();
        f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
        return path;
    }
    ConversionRequest request(int format, const QString &input, qint64 duration)
    {
        ConversionRequest r;
        r.formatIndex = format;
        r.entry = testentries::entryFor(input, duration);
        r.destinationFolder = out;
        r.workFolder = work;
        r.inputPaths = {input};
        return r;
    }
    // Runs the job to its end and returns its result.
    ConversionResult run(ConversionJob &job, const ConversionRequest &r)
    {
        QSignalSpy finished(&job, &ConversionJob::finished);
        job.start(r);
        EXPECT_EQ(finished.count(), 0) << "finished must come from the event loop";
        EXPECT_TRUE(finished.wait(60000));
        return finished.isEmpty() ? ConversionResult{} : finished.at(0).at(0).value<ConversionResult>();
    }

    QString ffmpeg = bundled::programPath("ffmpeg");
    QString sox = bundled::programPath("sox");
    QString in, out, work;
    FormatRecords records;
};
} // namespace

TEST_F(ConversionJobTest, ProgramsThatCannotStartOrCrashAreReported)
{
    const QString tone = testenv::makeTone(in + "/a.wav", 0.5);
    ConversionJob missing(in + "/no-ffmpeg", sox, &records);
    const ConversionResult r = run(missing, request(8, tone, 0));
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.reason.startsWith("ffmpeg could not be started")) << r.reason.toStdString();

    ConversionJob crashing(script("crash", "kill -SEGV $$"), sox, &records);
    EXPECT_EQ(run(crashing, request(8, tone, 0)).reason, "ffmpeg stopped unexpectedly");
}

TEST_F(ConversionJobTest, FailingEffectsStageLeavesNoPartialFinalFile)
{
    const QString tone = testenv::makeTone(in + "/a.wav", 0.5);
    const QString brokenSox = script("sox", "echo partial > \"$2\"\necho 'sox FAIL effect: broken' >&2\nexit 2");
    ConversionJob job(ffmpeg, brokenSox, &records);
    const ConversionResult r = run(job, request(12, tone, 0));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, "sox failed: sox FAIL effect: broken");
    EXPECT_EQ(r.finalPath, out + "/a.wav");
    EXPECT_FALSE(QFileInfo::exists(out + "/a.wav"));
}

// A file of the same name written earlier (by another entry) is no partial
// output of a failed entry whose sox never ran.
TEST_F(ConversionJobTest, FailedEncodingKeepsAnEarlierFileAtTheFinalPath)
{
    QFile bad(in + "/a.flac");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not audio");
    bad.close();
    const QString earlier = testenv::makeTone(out + "/a.wav", 0.2);
    ConversionJob job(ffmpeg, sox, &records);
    const ConversionResult r = run(job, request(12, bad.fileName(), 0));
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.reason.startsWith("ffmpeg failed: ")) << r.reason.toStdString();
    EXPECT_GT(sizeOf(earlier), 0);
}

TEST_F(ConversionJobTest, EmptyResultIsAFailure)
{
    const QString tone = testenv::makeTone(in + "/a.wav", 0.5);
    ConversionJob job(script("ffmpeg", "touch \"$(eval echo \\${$#})\""), sox, &records);
    const ConversionResult r = run(job, request(8, tone, 0));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, "the converted file is empty");
    EXPECT_FALSE(QFileInfo::exists(out + "/a.mp3"));
}

TEST_F(ConversionJobTest, EffectsAreReadWhenTheEffectsStageStarts)
{
    const QString tone = testenv::makeTone(in + "/a.wav", 2.0);
    ConversionJob job(ffmpeg, sox, &records);
    QSignalSpy finished(&job, &ConversionJob::finished);
    job.start(request(12, tone, 2));
    records.m_AF_WAV.setF_Speed(2.0f); // changed while ffmpeg runs
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_TRUE(finished.at(0).at(0).value<ConversionResult>().ok);
    EXPECT_NEAR(testenv::probeDuration(out + "/a.wav"), 1.0, 0.05);
}

TEST_F(ConversionJobTest, UnknownDurationShowsBusy)
{
    const QString tone = testenv::makeTone(in + "/a.wav", 5.0);
    ConversionJob job(ffmpeg, sox, &records);
    QSignalSpy readings(&job, &ConversionJob::progressChanged);
    EXPECT_TRUE(run(job, request(8, tone, 0)).ok);
    ASSERT_FALSE(readings.isEmpty());
    for (const QList<QVariant> &r : readings)
        EXPECT_TRUE(r.at(0).value<ProgressReading>().busy);
}

TEST_F(ConversionJobTest, StopKillsTheChildAndRemovesPartialOutputs)
{
    const QString tone = testenv::makeTone(in + "/long.wav", 300);
    for (int format : {8, 12}) { // straight to the final path; through sox
        ConversionJob job(ffmpeg, sox, &records);
        QSignalSpy finished(&job, &ConversionJob::finished);
        QSignalSpy readings(&job, &ConversionJob::progressChanged);
        job.start(request(format, tone, 300));
        ASSERT_TRUE(readings.wait(20000)) << format;
        job.stop();
        ASSERT_EQ(finished.count(), 1);
        EXPECT_FALSE(finished.at(0).at(0).value<ConversionResult>().ok);
        EXPECT_FALSE(job.isRunning());
        EXPECT_FALSE(QFileInfo::exists(job.command().finalPath)) << format;
        EXPECT_FALSE(QFileInfo::exists(job.command().ffmpegOutputPath)) << format;
    }
}

TEST_F(ConversionJobTest, StopDuringTheEffectsStageRemovesBothFiles)
{
    const QString tone = testenv::makeTone(in + "/long.wav", 300);
    records.m_AF_FLAC.setF_Speed(0.5f);
    ConversionJob job(ffmpeg, sox, &records);
    QSignalSpy effects(&job, &ConversionJob::effectsStarted);
    job.start(request(7, tone, 300));
    ASSERT_TRUE(effects.wait(60000));
    ASSERT_TRUE(job.isRunning());
    job.stop();
    EXPECT_FALSE(job.isRunning());
    EXPECT_FALSE(QFileInfo::exists(out + "/long.flac"));
    EXPECT_FALSE(QFileInfo::exists(work + "/long001.flac"));
}
