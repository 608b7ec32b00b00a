// SPDX-License-Identifier: GPL-3.0-or-later
// One window per user: a second start hands its files over and empties
// nothing; a lock left by a window that ended without a word is taken over.
#include "QtPrinters.h"
#include "ReliabilitySupport.h"
#include "TestApp.h"

#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <csignal>
#include <thread>

namespace quavero {

using namespace reliability;

TEST(SecondWindow, ALaterStartHandsItsFilesToTheRunningOne)
{
    const QString work = testenv::freshFolder(QStringLiteral("instance-work"));
    SingleInstance first(work);
    ASSERT_EQ(first.claim({}), SingleInstance::Claim::Claimed);
    EXPECT_TRUE(QFileInfo::exists(work + QLatin1Char('/') + QLatin1String(SingleInstance::lockFileName())));
    QSignalSpy arrived(&first, &SingleInstance::pathsArrived);

    // The later start blocks while it waits for the answer; the first one
    // answers from its event loop.
    const QStringList paths{QStringLiteral("/music/a b.flac"), QStringLiteral("/music/folder")};
    SingleInstance::Claim claim = SingleInstance::Claim::NoAnswer;
    std::thread later([&] {
        SingleInstance second(work);
        claim = second.claim(paths);
    });
    const bool delivered = arrived.wait(15000);
    later.join();
    ASSERT_TRUE(delivered);
    EXPECT_EQ(claim, SingleInstance::Claim::HandedOver);
    EXPECT_EQ(arrived.at(0).at(0).toStringList(), paths);
}

TEST(SecondWindow, NoWindowRunsSoNothingIsHandedOver)
{
    SingleInstance alone(testenv::freshFolder(QStringLiteral("instance-alone")));
    EXPECT_FALSE(alone.handOver({QStringLiteral("/music/a.mp3")}));
}

namespace {
// The real program, offscreen, with its own HOME.
class Window {
public:
    Window(const QString &home, const QStringList &arguments = {})
    {
        process.setProcessEnvironment(environment(home));
        process.setStandardInputFile(QProcess::nullDevice());
        process.start(windowPath(), arguments);
    }
    ~Window()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }
    // Ends it as a logout does; true when it exited with status 0.
    bool terminate()
    {
        ::kill(pid_t(process.processId()), SIGTERM);
        return process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }
    QProcess process;
};
} // namespace

TEST(SecondWindow, TheRealProgramStartedTwiceEmptiesNothingAndTakesOverAStaleLock)
{
    const QString home = testenv::freshFolder(QStringLiteral("second-window-home"));
    const QString work = home + QStringLiteral("/Documents/Quavero");
    const QString lock = work + QLatin1Char('/') + QLatin1String(SingleInstance::lockFileName());
    const QString scratch = work + QStringLiteral("/scratch001.wav");
    const QString tone = testenv::makeTone(home + QStringLiteral("/tone.wav"), 0.5);
    ASSERT_FALSE(tone.isEmpty());

    {
        Window first(home);
        ASSERT_TRUE(waitFor([&] { return QFileInfo::exists(lock); }, 30000)) << "the first window took no lock";
        QFile file(scratch);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the first window's intermediate file");
        file.close();

        Window second(home, {tone});
        ASSERT_TRUE(second.process.waitForFinished(30000)) << "the second start did not end";
        EXPECT_EQ(second.process.exitCode(), 0);
        EXPECT_TRUE(QFileInfo::exists(scratch)) << "the second start emptied the work folder";
        EXPECT_EQ(first.process.state(), QProcess::Running);
        // The window ends at once, as every way of ending it does: its lock
        // stays behind, as after a crash.
        EXPECT_TRUE(first.terminate());
    }
    ASSERT_TRUE(QFileInfo::exists(lock));

    Window later(home);
    EXPECT_TRUE(waitFor([&] { return !QFileInfo::exists(scratch); }, 30000))
        << "the stale lock was not taken over: the work folder was not emptied";
    EXPECT_EQ(later.process.state(), QProcess::Running);
    EXPECT_TRUE(later.terminate());
}

} // namespace quavero
