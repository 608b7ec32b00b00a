// SPDX-License-Identifier: GPL-3.0-or-later
// The per-file conversion job on its own, as the command-line tool uses it:
// failures with their reasons in plain words and their details, stop(), the
// settings it was planned with, whatever changes while it runs, and outputs placed in
// their planned subfolder under their planned name.
#include "RunSupport.h"

#include "PlanFor.h"

#include "convert/core/ShellQuote.h"
#include "convert/engine/ConversionJob.h"
#include "platform/core/BundledPrograms.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <unistd.h>

namespace quavero {

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
    // The plan of one entry with the records as they are now.
    EntryPlan request(int format, const QString &input, qint64 duration, const QString &destination = QString(),
                      const OutputName &name = {})
    {
        return testentries::planFor(format, testentries::entryFor(input, duration),
                                    destination.isEmpty() ? out : destination, records, true, name);
    }
    // Runs the job to its end and returns its result.
    ConversionResult run(ConversionJob &job, const EntryPlan &r)
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
    ConversionJob missing(ProgramPaths{in + "/no-ffmpeg", sox});
    const ConversionResult r = run(missing, request(8, tone, 0));
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.reason.startsWith("ffmpeg could not be started")) << r.reason.toStdString();

    ConversionJob crashing(ProgramPaths{script("crash", "kill -SEGV $$"), sox});
    EXPECT_EQ(
        run(crashing, request(8, tone, 0)).reason,
        "ffmpeg crashed (signal 11, SIGSEGV) on this file; the file may be damaged, or try another output format");
    ConversionJob killed(ProgramPaths{script("killed", "kill -KILL $$"), sox});
    EXPECT_TRUE(run(killed, request(8, tone, 0)).reason.startsWith("ffmpeg was killed (signal 9, SIGKILL)"));
}

TEST_F(ConversionJobTest, FailingEffectsStageLeavesNoPartialFinalFile)
{
    const QString tone = testenv::makeTone(in + "/a.wav", 0.5);
    const QString brokenSox = script("sox", "echo partial > \"$2\"\necho 'sox FAIL effect: broken' >&2\nexit 2");
    ConversionJob job(ProgramPaths{ffmpeg, brokenSox});
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
    ConversionJob job(ProgramPaths{ffmpeg, sox});
    const ConversionResult r = run(job, request(12, bad.fileName(), 0));
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.reason.startsWith("not an audio file ffmpeg can read")) << r.reason.toStdString();
    EXPECT_GT(sizeOf(earlier), 0);
}

TEST_F(ConversionJobTest, EmptyResultIsAFailure)
{
    const QString tone = testenv::makeTone(in + "/a.wav", 0.5);
    ConversionJob job(ProgramPaths{script("ffmpeg", "touch \"$(eval echo \\${$#})\""), sox});
    const ConversionResult r = run(job, request(8, tone, 0));
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reason, "the converted file is empty");
    EXPECT_FALSE(QFileInfo::exists(out + "/a.mp3"));
}

// A run converts with the settings it was planned with: a change made while
// ffmpeg runs reaches neither stage of the entry.
TEST_F(ConversionJobTest, SettingsChangedWhileItRunsReachNoStage)
{
    const QString tone = testenv::makeTone(in + "/a.wav", 2.0);
    records.m_AF_WAV.setF_Speed(2.0f);
    ConversionJob job(ProgramPaths{ffmpeg, sox});
    QSignalSpy finished(&job, &ConversionJob::finished);
    job.start(request(12, tone, 2));
    records.m_AF_WAV.setF_Speed(1.0f); // changed while ffmpeg runs
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_TRUE(finished.at(0).at(0).value<ConversionResult>().ok);
    EXPECT_NEAR(testenv::probeDuration(out + "/a.wav"), 1.0, 0.05);
}

TEST_F(ConversionJobTest, UnknownDurationShowsBusy)
{
    const QString tone = testenv::makeTone(in + "/a.wav", 5.0);
    ConversionJob job(ProgramPaths{ffmpeg, sox});
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
        ConversionJob job(ProgramPaths{ffmpeg, sox});
        QSignalSpy finished(&job, &ConversionJob::finished);
        QSignalSpy readings(&job, &ConversionJob::progressChanged);
        const EntryPlan plan = request(format, tone, 300);
        job.start(plan);
        ASSERT_TRUE(readings.wait(20000)) << format;
        job.stop();
        ASSERT_EQ(finished.count(), 1);
        EXPECT_FALSE(finished.at(0).at(0).value<ConversionResult>().ok);
        EXPECT_FALSE(job.isRunning());
        EXPECT_FALSE(QFileInfo::exists(plan.finalPath)) << format;
        EXPECT_FALSE(QFileInfo::exists(plan.intermediatePath)) << format;
    }
}

TEST_F(ConversionJobTest, StopDuringTheEffectsStageRemovesBothFiles)
{
    const QString tone = testenv::makeTone(in + "/long.wav", 300);
    records.m_AF_FLAC.setF_Speed(0.5f);
    ConversionJob job(ProgramPaths{ffmpeg, sox});
    QSignalSpy effects(&job, &ConversionJob::effectsStarted);
    job.start(request(7, tone, 300));
    ASSERT_TRUE(effects.wait(60000));
    ASSERT_TRUE(job.isRunning());
    job.stop();
    EXPECT_FALSE(job.isRunning());
    EXPECT_FALSE(QFileInfo::exists(out + "/long.flac"));
    EXPECT_FALSE(QFileInfo::exists(work + "/long001.flac"));
}

TEST_F(ConversionJobTest, OutputGoesToItsSubfolderUnderItsPlannedName)
{
    const QString tone = testenv::makeTone(in + "/01 Intro.wav", 0.3);
    for (int format : {8, 12}) { // straight from ffmpeg; through sox
        const EntryPlan r = request(format, tone, 0, QString(), OutputName{"Album A/CD 1", "01 Intro (2)"});
        ConversionJob job(ProgramPaths{ffmpeg, sox});
        const ConversionResult result = run(job, r);
        const QString expected = out + "/Album A/CD 1/01 Intro (2)" + (format == 8 ? ".mp3" : ".wav");
        EXPECT_TRUE(result.ok) << result.reason.toStdString();
        EXPECT_EQ(result.finalPath, expected);
        EXPECT_GT(sizeOf(expected), 0) << format;
    }
    // A file where the folder should be: said, and nothing is written.
    QFile blocker(out + "/Album B");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const EntryPlan r = request(8, tone, 0, QString(), OutputName{"Album B", ""});
    ConversionJob job(ProgramPaths{ffmpeg, sox});
    const ConversionResult result = run(job, r);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason,
              "cannot create the folder " + out + "/Album B; check that you may write in the destination folder");
}

// Real ffmpeg runs that fail, each said in plain words, with the command as
// --dry-run prints it and the end of ffmpeg's output kept for the details.
TEST_F(ConversionJobTest, RealFailuresAreSaidInPlainWordsAndKeepTheirDetails)
{
    QFile text(in + "/notes.mp3");
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("These are my notes, not music.\n");
    text.close();
    ConversionJob job(ProgramPaths{ffmpeg, sox});
    const EntryPlan notes = request(8, text.fileName(), 0);
    ConversionResult r = run(job, notes);
    EXPECT_EQ(r.reason, "not an audio file ffmpeg can read; check that the file is complete and really holds audio");
    EXPECT_TRUE(r.rawMessage.endsWith("Invalid argument")) << r.rawMessage.toStdString();
    ASSERT_EQ(r.programs.size(), 1);
    EXPECT_EQ(r.programs.at(0).commandLine, shell::commandLine(ffmpeg, notes.shownArguments(notes.stages.at(0))));
    EXPECT_TRUE(r.programs.at(0).commandLine.contains("'" + out + "/notes.mp3'") ||
                r.programs.at(0).commandLine.contains(out + "/notes.mp3"));
    ASSERT_FALSE(r.programs.at(0).lastLines.isEmpty());
    EXPECT_LE(r.programs.at(0).lastLines.size(), 20);
    EXPECT_EQ(r.programs.at(0).lastLines.last(), r.rawMessage);
    EXPECT_FALSE(r.stopsRun);

    r = run(job, request(8, in + "/gone.wav", 0));
    EXPECT_EQ(r.reason, "the file is no longer there; it was moved, renamed or deleted after it was added");

    // 6000 Hz is in the sample-rate list, but the MP3 encoder refuses it:
    // the plan does not let it run. Should ffmpeg still be asked for it,
    // its refusal is said in plain words.
    const QString tone = testenv::makeTone(in + "/a.wav", 0.3);
    records.m_AF_MP3.setI_SampleRate(0);
    EXPECT_EQ(request(8, tone, 0).action, PlanAction::Fail);
    records.m_AF_MP3.setI_SampleRate(7); // 48000
    EntryPlan refused = request(8, tone, 0);
    ASSERT_EQ(refused.action, PlanAction::Convert);
    QStringList &arguments = refused.stages[0].arguments;
    const qsizetype rate = arguments.indexOf("-ar");
    ASSERT_GE(rate, 0);
    arguments[rate + 1] = "6000";
    r = run(job, refused);
    EXPECT_EQ(r.reason,
              "the encoder does not accept the sample rate 6000 Hz; choose another sample rate in the format options");
    EXPECT_FALSE(QFileInfo::exists(out + "/a.mp3"));
}

TEST_F(ConversionJobTest, PermissionsAreSaidForAnOrdinaryUser)
{
    // Root reads and writes everywhere: ffmpeg then runs as "nobody".
    QString program = ffmpeg;
    if (geteuid() == 0) {
        const QString setpriv = QStandardPaths::findExecutable("setpriv");
        if (setpriv.isEmpty())
            GTEST_SKIP() << "running as root without setpriv: cannot run ffmpeg as an ordinary user";
        program = script(
            "ffmpeg-as-nobody",
            QStringLiteral("exec '%1' --reuid=65534 --regid=65534 --clear-groups '%2' \"$@\"").arg(setpriv, ffmpeg).toUtf8());
    }
    QTemporaryDir place; // below the temporary folder, where "nobody" can reach it
    ASSERT_TRUE(place.isValid());
    QFile::setPermissions(place.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                            QFileDevice::ReadOther | QFileDevice::ExeOther);
    const QString tone = testenv::makeTone(place.path() + "/a.wav", 0.3);
    QFile::setPermissions(tone, QFileDevice::ReadOwner | QFileDevice::ReadOther);
    const QString readOnly = place.path() + "/read-only";
    QDir().mkpath(readOnly);
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                        QFileDevice::ExeOther);

    ConversionJob job(ProgramPaths{program, sox});
    const EntryPlan r = request(8, tone, 0, readOnly);
    ConversionResult result = run(job, r);
    EXPECT_EQ(result.reason,
              "no permission to write in the destination folder; choose another folder or change its permissions");

    QFile::setPermissions(tone, QFileDevice::ReadOwner);
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                        QFileDevice::WriteOther | QFileDevice::ReadOther | QFileDevice::ExeOther);
    result = run(job, r);
    EXPECT_EQ(result.reason, "no permission to read the file; change its permissions or convert a copy of it");
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(ConversionJobTest, FullDiskIsSaidAndStopsTheRun)
{
    const QString small = out + "/small-disk";
    QDir().mkpath(small);
    QProcess mount;
    mount.start("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", small});
    if (!mount.waitForFinished(10000) || mount.exitStatus() != QProcess::NormalExit || mount.exitCode() != 0)
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root): " << mount.readAllStandardError().toStdString();
    // Long enough that ffmpeg meets the full disk while it encodes, not only
    // when it closes the file.
    const QString tone = testenv::makeTone(in + "/long.wav", 10.0);
    ConversionJob job(ProgramPaths{ffmpeg, sox});
    const EntryPlan r = request(6, tone, 0, small); // .CAF: about 90 kB a second, straight from ffmpeg
    const ConversionResult result = run(job, r);
    QProcess::execute("umount", {small});
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason,
              "the destination disk is full; free some space on it or choose another destination folder");
    EXPECT_TRUE(result.stopsRun);
    EXPECT_TRUE(result.rawMessage.contains("No space left on device")) << result.rawMessage.toStdString();
}

} // namespace quavero
