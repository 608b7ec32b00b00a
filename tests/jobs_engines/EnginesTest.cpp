// SPDX-License-Identifier: GPL-3.0-or-later
// The recipes of the README as a user runs them, with real engines on this
// machine: GNU parallel over two ssh host names with a shared folder, the
// same without one (files sent and returned by rsync), and a Slurm job
// array. The outputs equal a local run's, numbered names included.
#include "EngineFixture.h"
#include "JobTools.h"
#include "QtPrinters.h"
#include "TestApp.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace quavero {

using namespace jobtools;

namespace {
// A library with two inputs that share an output name and names with
// spaces, a tab and a line break; its local run's outputs.
struct Library {
    QString top;   // holds music/, local/ and the job list
    QString music; // the inputs
    QMap<QString, QByteArray> local;
};

Library makeLibrary(const QString &name)
{
    Library l;
    l.top = testenv::freshFolder(name);
    l.music = l.top + QStringLiteral("/music");
    testenv::makeTone(l.music + "/a.wav", 0.5);
    testenv::makeTone(l.music + "/a.flac", 0.75);
    testenv::makeTone(l.music + "/Disc 1/tab\there\nnew line.wav", 0.5);
    testenv::makeTone(l.music + "/Disc 1/b c.wav", 0.6);
    testenv::makeTone(l.music + "/Disc 2/d.wav", 0.4);
    const Ran local = cli({"-q", "-r", "-o", l.top + "/local", l.music});
    if (local.exitCode == 0)
        l.local = bytesBelow(l.top + "/local");
    return l;
}

QStringList hostsOf(const QString &jobLog)
{
    QStringList hosts;
    const QStringList lines = QString::fromUtf8(contents(jobLog)).split('\n', Qt::SkipEmptyParts);
    for (const QString &line : lines.mid(1))
        hosts << line.section('\t', 1, 1);
    hosts.removeDuplicates();
    hosts.sort();
    return hosts;
}

class ParallelOverSsh : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ssh = new engines::Engine(QStringLiteral("ssh"));
        if (!ssh->start())
            why = ssh->why();
    }
    static void TearDownTestSuite()
    {
        delete ssh;
        ssh = nullptr;
    }
    void SetUp() override
    {
        if (!why.isEmpty())
            GTEST_SKIP() << why.toStdString();
    }
    // Runs a script with the engine's exports, quavero-cli as $Q.
    static Ran script(const QString &text, const QString &folder)
    {
        QMap<QString, QString> env = ssh->environment();
        env.insert(QStringLiteral("Q"), cliPath());
        return shell(QStringLiteral("set -o pipefail\n") + text, folder, env);
    }

    static engines::Engine *ssh;
    static QString why;
};
engines::Engine *ParallelOverSsh::ssh = nullptr;
QString ParallelOverSsh::why;

const QStringList kOutputs{"Disc 1/b c.mp3", "Disc 1/tab\there\nnew line.mp3", "Disc 2/d.mp3", "a (2).mp3", "a.mp3"};
} // namespace

TEST_F(ParallelOverSsh, ASharedFolderRunsEveryJobOnBothHostsAndFailuresResume)
{
    Library l = makeLibrary(QStringLiteral("engines-shared"));
    ASSERT_EQ(l.local.keys(), kOutputs);
    QFile::rename(l.music + "/Disc 2/d.wav", l.top + "/d.wav");
    testenv::makeTone(l.music + "/Disc 2/d.wav", 0.1);
    QFile damaged(l.music + "/Disc 2/d.wav");
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("RIFF....WAVE cut off");
    damaged.close();

    Ran plan = cli({"--plan", "jobs.jsonl", "-r", "-o", "out", "music"}, l.top);
    ASSERT_EQ(plan.exitCode, 0) << plan.all().toStdString();
    QFile hosts(l.top + "/hosts");
    ASSERT_TRUE(hosts.open(QIODevice::WriteOnly));
    hosts.write("1/w1\n1/w2\n");
    hosts.close();
    const QString recipe =
        QStringLiteral("N=$(( $(wc -l < jobs.jsonl) - 1 ))\n"
                       "seq 0 $((N-1)) | parallel --sshloginfile hosts --joblog run.log --resume-failed \\\n"
                       "  \"$Q\" --from-plan \"$PWD/jobs.jsonl\" --index {}\n");
    Ran first = script(recipe, l.top);
    EXPECT_EQ(first.exitCode, 1) << "one job failed: " << first.all().toStdString();
    EXPECT_EQ(hostsOf(l.top + "/run.log"), (QStringList{"w1", "w2"})) << contents(l.top + "/run.log").toStdString();

    Ran report = cli({"--report", "jobs.jsonl"}, l.top);
    EXPECT_EQ(report.exitCode, 1);
    EXPECT_TRUE(report.out.contains("4 converted, 1 failed\nfailed: music/Disc 2/d.wav: ")) << report.out.toStdString();
    EXPECT_EQ(cli({"--report", "jobs.jsonl", "--failed"}, l.top).out, "2\n");

    // The input mended, the same command runs the failed job alone.
    QFile::remove(l.music + "/Disc 2/d.wav");
    QFile::rename(l.top + "/d.wav", l.music + "/Disc 2/d.wav");
    const QMap<QString, QString> before = stampsBelow(l.top + "/out");
    Ran resumed = script(recipe, l.top);
    EXPECT_EQ(resumed.exitCode, 0) << resumed.all().toStdString();
    const QStringList log = QString::fromUtf8(contents(l.top + "/run.log")).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(log.size(), 1 + 5 + 1) << "only the failed job ran again";
    QMap<QString, QString> after = stampsBelow(l.top + "/out");
    after.remove("Disc 2/d.mp3");
    EXPECT_TRUE(after == before) << "no other output written again";
    EXPECT_TRUE(bytesBelow(l.top + "/out") == l.local) << filesBelow(l.top + "/out").join(" | ").toStdString();
    report = cli({"--report", "jobs.jsonl"}, l.top);
    EXPECT_EQ(report.exitCode, 0) << report.out.toStdString();
    EXPECT_TRUE(report.out.startsWith("5 converted, 0 failed\nrenamed: music/a.wav: saved as out/a (2).mp3\n"))
        << report.out.toStdString();

    // Every job run again, on both hosts: each is skipped, no output and no
    // result is written again.
    const QMap<QString, QString> outputs = stampsBelow(l.top + "/out");
    const QMap<QString, QString> results = stampsBelow(l.top + "/jobs.jsonl.results");
    Ran again = script(QStringLiteral("seq 0 4 | parallel -S 1/w1,1/w2 --joblog again.log "
                                      "\"$Q\" --from-plan \"$PWD/jobs.jsonl\" --index {}\n"),
                       l.top);
    EXPECT_EQ(again.exitCode, 0) << again.all().toStdString();
    EXPECT_EQ(again.out.count("skipped: "), 5) << again.out.toStdString();
    EXPECT_EQ(hostsOf(l.top + "/again.log"), (QStringList{"w1", "w2"}));
    EXPECT_TRUE(stampsBelow(l.top + "/out") == outputs);
    EXPECT_TRUE(stampsBelow(l.top + "/jobs.jsonl.results") == results);
}

TEST_F(ParallelOverSsh, WithoutASharedFolderTheFilesTravelAndTheWorkersKeepNothing)
{
    const Library l = makeLibrary(QStringLiteral("engines-transfer"));
    ASSERT_EQ(l.local.keys(), kOutputs);
    ASSERT_EQ(cli({"--plan", "jobs.jsonl", "-r", "-o", "out", "music"}, l.top).exitCode, 0);
    // The workers' folder: on loopback the "remote" files must not be the local ones.
    const QString remote = l.top + "/remote";
    const Ran run =
        script(QStringLiteral("export RSYNC_OLD_ARGS=1\n"
                              "\"$Q\" --list-jobs jobs.jsonl |\n"
                              "  parallel -0 -N3 -S 1/w1,1/w2 --joblog run.log --wd '%1' \\\n"
                              "    --basefile jobs.jsonl --transferfile 'music/{2}' \\\n"
                              "    --return 'out/{3}' --return 'jobs.jsonl.results/{1}.json' --cleanup \\\n"
                              "    \"$Q\" --from-plan jobs.jsonl --index {1} --in-root music --out-root out\n")
                   .arg(remote),
               l.top);
    EXPECT_EQ(run.exitCode, 0) << run.all().toStdString();
    EXPECT_EQ(hostsOf(l.top + "/run.log"), (QStringList{"w1", "w2"}));
    EXPECT_TRUE(bytesBelow(l.top + "/out") == l.local) << filesBelow(l.top + "/out").join(" | ").toStdString();
    const QStringList left = filesBelow(remote);
    EXPECT_TRUE(left.filter(QRegularExpression("\\.(wav|flac|mp3|jsonl)$")).isEmpty()) << left.join(" | ").toStdString();
    const Ran report = cli({"--report", "jobs.jsonl"}, l.top);
    EXPECT_EQ(report.exitCode, 0) << report.all().toStdString();
    EXPECT_TRUE(report.out.startsWith("5 converted, 0 failed\n")) << report.out.toStdString();
}

TEST(SlurmArray, AJobArrayRunsEveryChunk)
{
    engines::Engine slurm(QStringLiteral("slurm"));
    if (!slurm.start({{QStringLiteral("QV_SLURMCTLD_PORT"), QString::number(engines::freePort())},
                      {QStringLiteral("QV_SLURMD_PORT"), QString::number(engines::freePort())},
                      {QStringLiteral("QV_SLURM_WAIT"), QStringLiteral("20")}}))
        GTEST_SKIP() << "Slurm cannot run here: " << slurm.why().toStdString();
    const Library l = makeLibrary(QStringLiteral("engines-slurm"));
    ASSERT_EQ(l.local.keys(), kOutputs);
    ASSERT_EQ(cli({"--plan", "jobs.jsonl", "-r", "-o", "out", "music"}, l.top).exitCode, 0);
    QMap<QString, QString> env = slurm.environment();
    env.insert(QStringLiteral("Q"), cliPath());
    const Ran run = shell(QStringLiteral("sbatch -W -Q --array=0-3 -D \"$PWD\" -o /dev/null \\\n"
                                         "  --wrap \"'$Q' --from-plan jobs.jsonl --chunk \\$SLURM_ARRAY_TASK_ID/4\""),
                          l.top, env, 150000);
    EXPECT_EQ(run.exitCode, 0) << run.all().toStdString();
    EXPECT_TRUE(bytesBelow(l.top + "/out") == l.local) << filesBelow(l.top + "/out").join(" | ").toStdString();
    const Ran report = cli({"--report", "jobs.jsonl"}, l.top);
    EXPECT_EQ(report.exitCode, 0) << report.all().toStdString();
}

} // namespace quavero
