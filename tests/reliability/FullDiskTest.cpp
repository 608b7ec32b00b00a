// SPDX-License-Identifier: GPL-3.0-or-later
// A full disk, as destination or as the folder of the temporary files: ffmpeg
// and sox both exit 0 after some failed writes, so these cases run for real
// on a 200 KB tmpfs. No entry may be reported converted, and no cut-off file
// may stay behind.
#include "QtPrinters.h"
#include "ReliabilitySupport.h"
#include "TestApp.h"
#include "EntryFromPath.h"

#include "convert/Window_Convert.h"

#include <QDir>
#include <QRegularExpression>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace quavero {

using namespace reliability;

namespace {
struct Route {
    const char *format;
    const char *extension;
};
// The ffmpeg route, and two formats that go through sox.
constexpr Route kRoutes[] = {{"mp3", ".mp3"}, {"wav", ".wav"}, {"flac", ".flac"}};
} // namespace

TEST(FullDisk, AFullDestinationFailsEveryRouteAndLeavesNoPartialFile)
{
    SmallDisk disk(QStringLiteral("full-destination"));
    if (!disk.mounted())
        GTEST_SKIP() << disk.why().toStdString();
    const QString in = testenv::freshFolder(QStringLiteral("in"));
    // Three seconds: short enough that ffmpeg exits 0 after its failed trailer.
    const QString tone = testenv::makeTone(in + QStringLiteral("/tone.wav"), 3.0);
    ASSERT_FALSE(tone.isEmpty());
    for (const Route &route : kRoutes) {
        SCOPED_TRACE(route.format);
        disk.fillLeaving(8);
        const ProgramRun run =
            runCli({QStringLiteral("-f"), QLatin1String(route.format), QStringLiteral("-o"), disk.path(), tone});
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, 1) << run.out.toStdString() << run.err.toStdString();
        EXPECT_TRUE(run.out.contains(QStringLiteral("the destination disk is full"))) << run.out.toStdString();
        EXPECT_EQ(disk.entries(), QStringList{QStringLiteral("filler")});
    }
}

// The file sox reads is written beside the output, not in the temporary
// folder: a full temporary disk is no reason for the sox route to fail.
TEST(FullDisk, TheSoxRouteNeedsNoRoomInTheTemporaryFolder)
{
    SmallDisk disk(QStringLiteral("full-tmp"));
    if (!disk.mounted())
        GTEST_SKIP() << disk.why().toStdString();
    const QString in = testenv::freshFolder(QStringLiteral("in"));
    const QString out = testenv::freshFolder(QStringLiteral("out"));
    const QString tone = testenv::makeTone(in + QStringLiteral("/tone.wav"), 3.0);
    ASSERT_FALSE(tone.isEmpty());
    disk.fillLeaving(16);
    const ProgramRun run =
        runCli({QStringLiteral("-f"), QStringLiteral("wav"), QStringLiteral("-o"), out, tone}, disk.path());
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("tone.wav")});
    EXPECT_EQ(disk.entries(), QStringList{QStringLiteral("filler")}) << "nothing was written to the temporary folder";
}

TEST(FullDisk, TheWindowListsTheEntryAsFailedAndKeepsNothingOfIt)
{
    SmallDisk disk(QStringLiteral("full-window"));
    if (!disk.mounted())
        GTEST_SKIP() << disk.why().toStdString();
    testenv::resetHome();
    TestApp t(RunTimings{10, 50});
    ASSERT_TRUE(t.start());
    const QString in = testenv::freshFolder(QStringLiteral("in"));
    const QString tone = testenv::makeTone(in + QStringLiteral("/tone.wav"), 3.0);
    ASSERT_FALSE(tone.isEmpty());
    t.app->arrayVideoFiles.append(testentries::entryFor(tone, 3));
    t.app->m_i_Output_Format = 12; // .WAV, through sox
    disk.fillLeaving(8);

    QSignalSpy finished(t.app.get(), &AppDelegate::conversionFinished);
    t.prompts.destinationAnswers.enqueue(disk.path());
    t.app->OnUserToolbarConvert();
    ASSERT_TRUE(finished.count() > 0 || finished.wait(60000));
    ASSERT_EQ(t.prompts.alerts.size(), 1);
    EXPECT_NE(t.prompts.alerts[0].message, QStringLiteral("Success"));
    EXPECT_TRUE(t.prompts.alerts[0].informative.contains(QStringLiteral("the destination disk is full")))
        << t.prompts.alerts[0].informative.toStdString();
    EXPECT_EQ(disk.entries(), QStringList{QStringLiteral("filler")});
}

} // namespace quavero
