// SPDX-License-Identifier: GPL-3.0-or-later
// Ending in the middle of a run: the command-line tool on SIGHUP and SIGTERM,
// the window on SIGTERM, and a parent killed outright. No child may run on,
// no cut-off output may stay, finished outputs do stay.
#include "EntryFromPath.h"
#include "QtPrinters.h"
#include "ReliabilitySupport.h"
#include "TestApp.h"

#include "platform/core/StopSignals.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

#include <csignal>

namespace quavero {

using namespace reliability;

namespace {
// quavero-cli converting one long file into out, started and caught in the
// middle of it: its output file has appeared.
class CliMidRun {
public:
    CliMidRun(const QString &name)
    {
        in = testenv::freshFolder(name + QStringLiteral("-in"));
        out = testenv::freshFolder(name + QStringLiteral("-out"));
        tmp = testenv::freshFolder(name + QStringLiteral("-tmp"));
        input = makeFlac(in + QStringLiteral("/long.flac"), 300.0);
        output = out + QStringLiteral("/long.mp3");
        process.setProcessEnvironment(environment(QString(), tmp));
        process.setStandardInputFile(QProcess::nullDevice());
        process.start(cliPath(), {QStringLiteral("-q"), QStringLiteral("-o"), out, input});
    }
    ~CliMidRun()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
    // True once ffmpeg writes the output, under its temporary name.
    bool converting()
    {
        return !input.isEmpty() && process.waitForStarted() &&
               waitFor(
                   [this] {
                       written = temporaryBeingWritten(out);
                       return !written.isEmpty();
                   },
                   30000);
    }
    QString in, out, tmp, input, output, written;
    QProcess process;
};
} // namespace

TEST(Signals, TheCommandLineStopsCleanlyOnSighupAndSigterm)
{
    for (const int number : {SIGHUP, SIGTERM}) {
        SCOPED_TRACE(number);
        CliMidRun run(QStringLiteral("cli-signal"));
        ASSERT_TRUE(run.converting()) << run.process.readAllStandardError().toStdString();
        ASSERT_EQ(::kill(pid_t(run.process.processId()), number), 0);
        ASSERT_TRUE(run.process.waitForFinished(30000));
        EXPECT_EQ(run.process.exitStatus(), QProcess::NormalExit) << "it ends itself, not by the signal";
        EXPECT_EQ(run.process.exitCode(), 128 + number);
        EXPECT_FALSE(QFileInfo::exists(run.output)) << "no output appears";
        EXPECT_FALSE(QFileInfo::exists(run.written)) << "the partial output is removed";
        EXPECT_TRUE(QDir(run.tmp).isEmpty()) << "nothing is left in the temporary folder";
        EXPECT_TRUE(waitFor([&run] { return processesWithArgument(run.written).isEmpty(); }, 10000))
            << "ffmpeg runs on";
    }
}

TEST(Signals, NoChildOutlivesAParentKilledOutright)
{
    CliMidRun run(QStringLiteral("cli-kill"));
    ASSERT_TRUE(run.converting());
    ASSERT_FALSE(processesWithArgument(run.written).isEmpty()) << "ffmpeg was not found running";
    ASSERT_EQ(::kill(pid_t(run.process.processId()), SIGKILL), 0);
    ASSERT_TRUE(run.process.waitForFinished(10000));
    EXPECT_TRUE(waitFor([&run] { return processesWithArgument(run.written).isEmpty(); }, 10000))
        << "ffmpeg runs on as an orphan";
    EXPECT_FALSE(QFileInfo::exists(run.output)) << "nothing cut off stands under the final name";
}

TEST(Signals, TheWindowOnSigtermStopsTheRunKeepingFinishedFiles)
{
    testenv::resetHome();
    TestApp t(RunTimings{10, 50});
    ASSERT_TRUE(t.start());
    // As the program's main() wires it.
    StopSignalWatcher stopSignals;
    QObject::connect(&stopSignals, &StopSignalWatcher::interrupted, t.app.get(), &AppDelegate::Terminate_App);

    const QString in = testenv::freshFolder(QStringLiteral("window-signal-in"));
    const QString out = testenv::freshFolder(QStringLiteral("window-signal-out"));
    const QString shortTone = testenv::makeTone(in + QStringLiteral("/first.wav"), 0.5);
    const QString longTone = makeFlac(in + QStringLiteral("/second.flac"), 300.0);
    ASSERT_FALSE(shortTone.isEmpty());
    ASSERT_FALSE(longTone.isEmpty());
    t.app->arrayVideoFiles.append(testentries::entryFor(shortTone, 0));
    t.app->arrayVideoFiles.append(testentries::entryFor(longTone, 300));
    t.app->m_i_Output_Format = 8; // .MP3: slow enough to be caught in the middle
    t.prompts.destinationAnswers.enqueue(out);
    t.app->OnUserToolbarConvert();

    const QString finished = out + QStringLiteral("/first.mp3");
    const QString second = out + QStringLiteral("/second.mp3");
    QString partial;
    ASSERT_TRUE(waitFor(
        [&] {
            partial = temporaryBeingWritten(out);
            return !partial.isEmpty() && QFileInfo::exists(finished);
        },
        60000))
        << "the second entry did not start";
    ASSERT_TRUE(QFileInfo::exists(finished));
    ASSERT_EQ(t.exitStatus, -1);

    ::raise(SIGTERM);
    ASSERT_TRUE(waitFor([&t] { return t.exitStatus != -1; }, 10000));
    EXPECT_EQ(t.exitStatus, 0) << "the program ends through Terminate_App";
    EXPECT_TRUE(QFileInfo::exists(finished)) << "a finished entry stays";
    EXPECT_FALSE(QFileInfo::exists(partial)) << "the partial output is removed";
    EXPECT_FALSE(QFileInfo::exists(second)) << "nothing cut off stands under the final name";
    EXPECT_TRUE(processesWithArgument(partial).isEmpty()) << "ffmpeg runs on";
}

} // namespace quavero
