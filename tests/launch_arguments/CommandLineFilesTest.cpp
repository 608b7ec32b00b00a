// SPDX-License-Identifier: GPL-3.0-or-later
// Files and folders given to the desktop program on its command line.
#include "TestApp.h"
#include "app/core/CommandLineFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace quavero {

namespace {
bool exists(const QString &path) { return QFileInfo::exists(path); }
bool isFolder(const QString &path) { return QFileInfo(path).isDir(); }

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}
} // namespace

TEST(CommandLineFiles, KeepsAcceptedFilesAndFoldersAndLogsTheRest)
{
    const QString dir = testenv::freshFolder("cmdline");
    touch(dir + "/a.mp3");
    touch(dir + "/B.FLAC");
    touch(dir + "/notes.txt");

    const CommandLineFiles sorted = sortCommandLineFiles(
        {dir + "/a.mp3", "--some-option", dir + "/notes.txt", dir, dir + "/missing.wav", dir + "/B.FLAC"}, exists,
        isFolder);

    EXPECT_EQ(sorted.toAdd, QStringList({dir + "/a.mp3", dir, dir + "/B.FLAC"}));
    ASSERT_EQ(sorted.skipped.size(), 2);
    EXPECT_TRUE(sorted.skipped[0].contains("notes.txt"));
    EXPECT_TRUE(sorted.skipped[0].contains("accepted: ac3,"));
    EXPECT_TRUE(sorted.skipped[1].contains("missing.wav"));
    EXPECT_TRUE(sorted.skipped[1].contains("no such file"));
}

TEST(CommandLineFiles, EverythingAfterDoubleDashIsAPath)
{
    const QString dir = testenv::freshFolder("cmdline-dash");
    touch(dir + "/-odd name.wav");
    const QString odd = dir + "/-odd name.wav";
    QDir::setCurrent(dir);
    const CommandLineFiles sorted = sortCommandLineFiles({"--", "-odd name.wav"}, exists, isFolder);
    EXPECT_EQ(sorted.toAdd, QStringList({"-odd name.wav"}));
    EXPECT_TRUE(sorted.skipped.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(odd));
}

TEST(CommandLineFiles, GivenFilesAndFoldersReachTheListThroughTheAddWorker)
{
    testenv::resetHome();
    const QString dir = testenv::freshFolder("cmdline-add");
    ASSERT_FALSE(testenv::makeTone(dir + "/one.wav", 0.5).isEmpty());
    ASSERT_FALSE(testenv::makeTone(dir + "/sub/two.mp3", 0.5).isEmpty());
    touch(dir + "/readme.txt");

    TestApp t;
    ASSERT_TRUE(t.start());
    const CommandLineFiles sorted =
        sortCommandLineFiles({dir + "/one.wav", dir + "/readme.txt", dir + "/sub"}, exists, isFolder);
    QSignalSpy finished(t.app.get(), &AppDelegate::addFinished);
    t.app->addPaths(sorted.toAdd);
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.app->arrayVideoFiles.count() == 2 && !t.app->isAdding(); }, 20000));

    EXPECT_EQ(t.app->arrayVideoFiles.at(0).s_File_Name_Without_Extension(), "one");
    EXPECT_EQ(t.app->arrayVideoFiles.at(1).s_File_Name_Without_Extension(), "two");
    EXPECT_EQ(t.app->arrayVideoFiles.at(1).s_File_Extension(), "mp3");
    EXPECT_EQ(t.app->arrayVideoFiles.at(0).i_Duration_in_Seconds(), 0); // half a second
    EXPECT_FALSE(t.app->arrayVideoFiles.at(0).s_Duration().isEmpty());
}

} // namespace quavero
