// SPDX-License-Identifier: GPL-3.0-or-later
// A job list run by the built quavero-cli with the real ffmpeg: the outputs
// equal a local run's, numbered names included; every job run again
// rewrites nothing; a failed job is named by the report and done once its
// input is mended; a crafted list runs nothing.
#include "JobTools.h"
#include "QtPrinters.h"
#include "TestApp.h"

#include "jobs/core/JobListText.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace quavero {

using namespace jobtools;

namespace {
void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A library with two inputs that share an output name, a name with a tab and
// a line break, and a subfolder.
QString makeLibrary(const QString &name)
{
    const QString music = testenv::freshFolder(name) + QStringLiteral("/music");
    testenv::makeTone(music + "/a.wav", 1.0);
    testenv::makeTone(music + "/a.flac", 1.5);
    testenv::makeTone(music + "/Disc 1/tab\there\nnew line.wav", 0.5);
    testenv::makeTone(music + "/Disc 1/b.wav", 0.75);
    return music;
}
} // namespace

TEST(JobsRun, ChunksOfAListGiveTheLocalRunsFilesAndRunningThemAgainRewritesNothing)
{
    const QString music = makeLibrary(QStringLiteral("jobs-local"));
    const QString top = QFileInfo(music).path();
    const Ran local = cli({"-q", "-r", "-o", top + "/local", music});
    ASSERT_EQ(local.exitCode, 0) << local.all().toStdString();

    const QString list = top + "/jobs.jsonl";
    const Ran planned = cli({"--plan", list, "-r", "-o", top + "/out", music});
    ASSERT_EQ(planned.exitCode, 0) << planned.all().toStdString();
    EXPECT_TRUE(planned.out.startsWith("4 jobs written to " + list)) << planned.out.toStdString();
    EXPECT_EQ(filesBelow(top + "/out"), QStringList()) << "planning converts nothing";

    for (const char *chunk : {"0/3", "1/3", "2/3"}) {
        const Ran worker = cli({"--from-plan", list, "--chunk", chunk, "-j", "2"});
        EXPECT_EQ(worker.exitCode, 0) << chunk << worker.all().toStdString();
    }
    const QMap<QString, QByteArray> expected = bytesBelow(top + "/local");
    EXPECT_EQ(expected.keys(), (QStringList{"Disc 1/b.mp3", "Disc 1/tab\there\nnew line.mp3", "a (2).mp3", "a.mp3"}));
    EXPECT_TRUE(bytesBelow(top + "/out") == expected) << filesBelow(top + "/out").join(" | ").toStdString();

    const Ran report = cli({"--report", list});
    EXPECT_EQ(report.exitCode, 0) << report.all().toStdString();
    EXPECT_EQ(report.out,
              QStringLiteral("4 converted, 0 failed\nrenamed: %1/a.wav: saved as %2/out/a (2).mp3\n").arg(music, top));
    const Ran failed = cli({"--report", list, "--failed"});
    EXPECT_EQ(failed.exitCode, 0);
    EXPECT_EQ(failed.out, "");

    const QMap<QString, QString> stamps = stampsBelow(top + "/out");
    const QMap<QString, QString> results = stampsBelow(list + ".results");
    EXPECT_EQ(results.keys(), (QStringList{"0.json", "1.json", "2.json", "3.json"}));
    const Ran again = cli({"--from-plan", list, "--chunk", "0/1"});
    EXPECT_EQ(again.exitCode, 0) << again.all().toStdString();
    EXPECT_EQ(again.out.count("skipped: "), 4) << again.out.toStdString();
    EXPECT_TRUE(stampsBelow(top + "/out") == stamps) << "no output written again";
    EXPECT_TRUE(stampsBelow(list + ".results") == results) << "no result written again";
}

TEST(JobsRun, AFailedJobIsNamedByTheReportAndDoneOnceItsInputIsMended)
{
    const QString top = testenv::freshFolder(QStringLiteral("jobs-failed"));
    testenv::makeTone(top + "/in/good.wav", 0.5);
    writeFile(top + "/in/damaged.wav", "RIFF and nothing else");
    const QString list = top + "/jobs.jsonl";
    ASSERT_EQ(cli({"--plan", list, "-o", top + "/out", top + "/in"}).exitCode, 0);

    for (const char *index : {"0", "1"})
        cli({"--from-plan", list, "--index", index});
    Ran report = cli({"--report", list});
    EXPECT_EQ(report.exitCode, 1);
    EXPECT_TRUE(report.out.startsWith("1 converted, 1 failed\nfailed: " + top + "/in/damaged.wav: not an audio file ffmpeg can read"))
        << report.out.toStdString();
    const Ran verbose = cli({"--report", list, "-v"});
    EXPECT_TRUE(verbose.out.contains("Command:\n")) << "the worker's commands and their output are kept";
    EXPECT_EQ(cli({"--report", list, "--failed"}).out, "0\n");

    testenv::makeTone(top + "/in/damaged.wav", 0.5);
    const Ran resumed = shell(QStringLiteral("'%1' --report jobs.jsonl --failed | while read -r i; do "
                                             "'%1' --from-plan jobs.jsonl --index \"$i\" || exit 1; done")
                                  .arg(cliPath()),
                              top);
    EXPECT_EQ(resumed.exitCode, 0) << resumed.all().toStdString();
    report = cli({"--report", list});
    EXPECT_EQ(report.exitCode, 0) << report.out.toStdString();
    EXPECT_EQ(report.out, "2 converted, 0 failed\n");
}

TEST(JobsRun, ACraftedListIsRefusedAndRunsNothing)
{
    const QString top = testenv::freshFolder(QStringLiteral("jobs-crafted"));
    testenv::makeTone(top + "/in/a.wav", 0.3);
    const QString out = top + "/out/inner";
    QDir().mkpath(out);
    JobListHeader header;
    header.planId = QStringLiteral("crafted");
    header.inputRoot = top + "/in";
    header.outputRoot = out;
    header.format = QStringLiteral("mp3");
    header.jobCount = 1;
    const QByteArray good = jobs::headerText(header);

    struct Case {
        const char *what;
        QByteArray list;
        QString says;
    };
    const QList<Case> cases{
        {"output outside", good + "\n{\"index\":0,\"input\":\"a.wav\",\"output\":\"../escaped.mp3\"}\n",
         "would fall outside the output root"},
        {"unknown field", good + "\n{\"index\":0,\"input\":\"a.wav\",\"output\":\"a.mp3\",\"exec\":\"touch x\"}\n",
         "\"exec\""},
        {"unknown option",
         QByteArray(good).replace("\"options\":{}", "\"options\":{\"filter\":\"volume=9\"}") +
             "\n{\"index\":0,\"input\":\"a.wav\",\"output\":\"a.mp3\"}\n",
         "no option \"filter\""},
        {"another version",
         QByteArray(good).replace("\"quavero-job-list\":1", "\"quavero-job-list\":7") +
             "\n{\"index\":0,\"input\":\"a.wav\",\"output\":\"a.mp3\"}\n",
         "version 7"},
        {"cut short", good + "\n", "holds 0"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        writeFile(top + "/crafted.jsonl", c.list);
        const Ran worker = cli({"--from-plan", top + "/crafted.jsonl", "--index", "0"});
        EXPECT_EQ(worker.exitCode, 2);
        EXPECT_TRUE(worker.err.contains(c.says)) << worker.err.toStdString();
        EXPECT_EQ(filesBelow(top + "/out"), QStringList());
        EXPECT_FALSE(QFileInfo::exists(top + "/crafted.jsonl.results"));
    }
    writeFile(top + "/crafted.jsonl", good + "\n{\"index\":0,\"input\":\"a.wav\",\"output\":\"a.mp3\"}\n");
    const Ran outOfRange = cli({"--from-plan", top + "/crafted.jsonl", "--index", "1"});
    EXPECT_EQ(outOfRange.exitCode, 2);
    EXPECT_TRUE(outOfRange.err.contains("has no job 1")) << outOfRange.err.toStdString();
    EXPECT_EQ(cli({"--report", top + "/crafted.jsonl"}).exitCode, 1) << "the job is not done";
}

TEST(JobsRun, AListThatWouldWriteOverAnInputOfTheListFailsThatJob)
{
    const QString top = testenv::freshFolder(QStringLiteral("jobs-over-input"));
    const QString in = top + "/in";
    testenv::makeTone(in + "/song.wav", 0.3);
    testenv::makeTone(in + "/song.mp3", 0.3);
    const QByteArray before = contents(in + "/song.mp3");
    JobListHeader header;
    header.planId = QStringLiteral("over");
    header.inputRoot = in;
    header.outputRoot = in;
    header.format = QStringLiteral("mp3");
    header.jobCount = 2;
    writeFile(top + "/over.jsonl", jobs::headerText(header) + "\n" + jobs::jobText({0, "song.mp3", "other.mp3", false}) +
                                       "\n" + jobs::jobText({1, "song.wav", "song.mp3", false}) + "\n");
    const Ran worker = cli({"--from-plan", top + "/over.jsonl", "--index", "1"});
    EXPECT_EQ(worker.exitCode, 1) << worker.all().toStdString();
    EXPECT_TRUE(worker.out.contains("failed: ")) << worker.out.toStdString();
    EXPECT_EQ(contents(in + "/song.mp3"), before);
    EXPECT_EQ(cli({"--report", top + "/over.jsonl", "--failed"}).out, "0\n1\n");
}

TEST(JobsRun, AWorkerFindsTheLibraryWhereItsRootsSay)
{
    const QString music = makeLibrary(QStringLiteral("jobs-moved"));
    const QString top = QFileInfo(music).path();
    ASSERT_EQ(cli({"--plan", top + "/jobs.jsonl", "-r", "-o", top + "/out", music}).exitCode, 0);
    ASSERT_TRUE(QDir().rename(music, top + "/mounted elsewhere"));
    const Ran worker =
        cli({"--from-plan", "jobs.jsonl", "--chunk", "0/1", "--in-root", "mounted elsewhere", "--out-root", "mounted out"},
            top);
    EXPECT_EQ(worker.exitCode, 0) << worker.all().toStdString();
    EXPECT_EQ(filesBelow(top + "/mounted out"),
              (QStringList{"Disc 1/b.mp3", "Disc 1/tab\there\nnew line.mp3", "a (2).mp3", "a.mp3"}));
    EXPECT_FALSE(QFileInfo::exists(top + "/out"));
    const Ran report = cli({"--report", "jobs.jsonl", "--in-root", "mounted elsewhere", "--out-root", "mounted out"}, top);
    EXPECT_EQ(report.exitCode, 0);
    EXPECT_TRUE(report.out.contains("saved as mounted out/a (2).mp3")) << report.out.toStdString();
}

TEST(JobsRun, AWorkerKilledMidFileLeavesNothingUnderTheFinalNameAndTheNextRunCompletesIt)
{
    const QString top = testenv::freshFolder(QStringLiteral("jobs-killed"));
    testenv::makeTone(top + "/in/long.wav", 240.0);
    ASSERT_EQ(cli({"--plan", "jobs.jsonl", "-o", "out", "in"}, top).exitCode, 0);
    // The worker in a session of its own, killed with all it started (its
    // ffmpeg included) once its temporary output is there.
    const Ran killed = shell(QStringLiteral("setsid '%1' --from-plan jobs.jsonl --index 0 >/dev/null 2>&1 &\n"
                                            "pid=$!\n"
                                            "for i in $(seq 1 1000); do\n"
                                            "  ls -A out 2>/dev/null | grep -q quavero-part && break; sleep 0.01\n"
                                            "done\n"
                                            "ls -A out | grep -q quavero-part || exit 3\n"
                                            "kill -KILL -- -$pid; wait $pid; exit 0")
                                 .arg(cliPath()),
                             top);
    ASSERT_EQ(killed.exitCode, 0) << "the worker was killed while writing: " << killed.all().toStdString();
    EXPECT_FALSE(QFileInfo::exists(top + "/out/long.mp3")) << "nothing under the final name";
    EXPECT_FALSE(QFileInfo::exists(top + "/jobs.jsonl.results/0.json")) << "no result: the job is still to do";
    EXPECT_EQ(cli({"--report", "jobs.jsonl", "--failed"}, top).out, "0\n");

    const Ran again = cli({"--from-plan", "jobs.jsonl", "--index", "0"}, top);
    EXPECT_EQ(again.exitCode, 0) << again.all().toStdString();
    EXPECT_EQ(filesBelow(top + "/out"), QStringList{"long.mp3"}) << "what the killed worker left is gone";
    EXPECT_EQ(cli({"--report", "jobs.jsonl"}, top).exitCode, 0);
}

TEST(JobsRun, AWorkerKeepsWhatTheInputsStreamDecidesAsALocalRunDoes)
{
    // WAV's sample size is "Same as input" from the command line: 24 bits
    // stay 24 only when the input's stream is known where the job runs.
    const QString top = testenv::freshFolder(QStringLiteral("jobs-streams"));
    QDir().mkpath(top + "/in");
    const Ran made = run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=frequency=330:duration=0.4", "-ac", "1",
                                    "-ar", "32000", "-c:a", "pcm_s24le", top + "/in/deep.wav"});
    ASSERT_EQ(made.exitCode, 0) << made.all().toStdString();
    ASSERT_EQ(cli({"-q", "-f", "wav", "-o", "local", "in"}, top).exitCode, 0);
    ASSERT_EQ(cli({"--plan", "jobs.jsonl", "-f", "wav", "-o", "out", "in"}, top).exitCode, 0);
    const Ran worker = cli({"--from-plan", "jobs.jsonl", "--index", "0"}, top);
    ASSERT_EQ(worker.exitCode, 0) << worker.all().toStdString();
    const Ran probe = run("ffprobe", {"-v", "error", "-show_entries", "stream=codec_name,sample_rate,channels", "-of",
                                      "csv=p=0", top + "/out/deep.wav"});
    EXPECT_EQ(probe.out.trimmed(), "pcm_s24le,32000,1");
    EXPECT_EQ(contents(top + "/out/deep.wav"), contents(top + "/local/deep.wav"));
}

TEST(JobsRun, TheReportWritesTheLibraryRecordAndTheNextPlanLeavesWhatIsUpToDateOut)
{
    const QString music = makeLibrary(QStringLiteral("jobs-update"));
    const QString top = QFileInfo(music).path();
    const Ran planned = cli({"--plan", "jobs.jsonl", "-u", "-r", "-o", "out", "music"}, top);
    ASSERT_EQ(planned.exitCode, 0) << planned.all().toStdString();
    ASSERT_EQ(cli({"--from-plan", "jobs.jsonl", "--chunk", "0/1"}, top).exitCode, 0);
    EXPECT_FALSE(QFileInfo::exists(top + "/out/.quavero-library.db")) << "workers write no record";
    const Ran report = cli({"--report", "jobs.jsonl", "-u"}, top);
    EXPECT_EQ(report.exitCode, 0) << report.all().toStdString();
    EXPECT_TRUE(report.out.contains("notes 4 outputs")) << report.out.toStdString();
    EXPECT_TRUE(QFileInfo::exists(top + "/out/.quavero-library.db"));

    // A new file and a changed one: only those are jobs of the next list,
    // and the numbered name stays with its input.
    testenv::makeTone(music + "/new.wav", 0.3);
    testenv::makeTone(music + "/a.wav", 0.9);
    QFile::remove(top + "/jobs.jsonl");
    const Ran again = cli({"--plan", "jobs.jsonl", "-u", "-r", "-o", "out", "music"}, top);
    ASSERT_EQ(again.exitCode, 0) << again.all().toStdString();
    EXPECT_TRUE(again.out.contains("3 files are up to date")) << again.out.toStdString();
    const QStringList lines = QString::fromUtf8(contents(top + "/jobs.jsonl")).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << lines.join('\n').toStdString();
    QStringList outputs{lines.at(1).section("\"output\":\"", 1).section('"', 0, 0),
                        lines.at(2).section("\"output\":\"", 1).section('"', 0, 0)};
    outputs.sort();
    EXPECT_EQ(outputs, (QStringList{"a (2).mp3", "new.mp3"}));

    // With the record written again, a local -u run finds everything done.
    ASSERT_EQ(cli({"--from-plan", "jobs.jsonl", "--chunk", "0/1"}, top).exitCode, 0);
    ASSERT_EQ(cli({"--report", "jobs.jsonl", "-u"}, top).exitCode, 0);
    const QMap<QString, QString> stamps = stampsBelow(top + "/out");
    const Ran local = cli({"-u", "-r", "-o", "out", "music"}, top);
    EXPECT_EQ(local.exitCode, 0) << local.all().toStdString();
    EXPECT_TRUE(local.out.contains("5 up to date")) << local.out.toStdString();
    QMap<QString, QString> after = stampsBelow(top + "/out");
    after.remove(".quavero-library.db");
    QMap<QString, QString> before = stamps;
    before.remove(".quavero-library.db");
    EXPECT_TRUE(after == before) << "no output written again";
}

// The tracks of an album image go into the list with their ranges and their
// sheet's titles: the workers' files are the local run's, byte for byte.
TEST(JobsRun, TheTracksOfACueSheetAreJobsThatGiveTheLocalRunsFiles)
{
    const QString top = testenv::freshFolder(QStringLiteral("jobs-cue"));
    QDir().mkpath(top + "/music/Live");
    const Ran made =
        run("ffmpeg", {"-v", "error", "-f", "lavfi", "-i", "sine=frequency=330:duration=7", "-ac", "2", "-metadata",
                       "album=Live", "-metadata", "artist=Band", top + "/music/Live/image.flac"});
    ASSERT_EQ(made.exitCode, 0) << made.all().toStdString();
    writeFile(top + "/music/Live/image.cue", "PERFORMER \"Band\"\nTITLE \"Live\"\nFILE \"image.flac\" WAVE\n"
                                             "  TRACK 01 AUDIO\n    TITLE \"Opening\"\n    INDEX 01 00:00:00\n"
                                             "  TRACK 02 AUDIO\n    TITLE \"Second\"\n    INDEX 01 00:02:37\n"
                                             "  TRACK 03 AUDIO\n    TITLE \"Encore\"\n    INDEX 01 00:05:00\n");
    const Ran local = cli({"-q", "-r", "-f", "flac", "-o", "local", "music"}, top);
    ASSERT_EQ(local.exitCode, 0) << local.all().toStdString();
    const Ran planned = cli({"--plan", "jobs.jsonl", "-r", "-f", "flac", "-o", "out", "music"}, top);
    ASSERT_EQ(planned.exitCode, 0) << planned.all().toStdString();
    EXPECT_TRUE(planned.out.startsWith("3 jobs written")) << planned.out.toStdString();
    const Ran worker = cli({"--from-plan", "jobs.jsonl", "--chunk", "0/1"}, top);
    ASSERT_EQ(worker.exitCode, 0) << worker.all().toStdString();

    const QMap<QString, QByteArray> expected = bytesBelow(top + "/local");
    EXPECT_EQ(expected.keys(), (QStringList{"Live/01 Opening.flac", "Live/02 Second.flac", "Live/03 Encore.flac"}));
    EXPECT_TRUE(bytesBelow(top + "/out") == expected) << filesBelow(top + "/out").join(" | ").toStdString();
}

} // namespace quavero
