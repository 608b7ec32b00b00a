// SPDX-License-Identifier: GPL-3.0-or-later
// Publishing a finished temporary file under its final name: the old output
// is replaced only by a whole new one, and a failed publish leaves it as it
// was. The encoder writes through the temporary name as through the final one.
#include "TestApp.h"

#include "convert/core/TemporaryName.h"
#include "platform/core/ChildProcess.h"
#include "platform/core/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quavero {

namespace {
void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}
} // namespace

TEST(PublishTest, TheNewFileReplacesTheOldOneWhole)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString final = folder.filePath("song.mp3");
    const QString temp = tempname::pathFor(final, 42, "enc");
    write(final, "old output");
    write(temp, "new output");
    QString error;
    ASSERT_TRUE(fs::publish(temp, final, &error)) << error.toStdString();
    EXPECT_EQ(read(final), "new output");
    EXPECT_FALSE(QFileInfo::exists(temp));
    EXPECT_TRUE(fs::flushFile(final, &error)) << error.toStdString();
}

TEST(PublishTest, AFailedPublishLeavesTheOldOutputByteForByte)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QString error;

    // Nothing to publish: the temporary file is missing.
    const QString final = folder.filePath("song.mp3");
    write(final, "old output");
    EXPECT_FALSE(fs::publish(tempname::pathFor(final, 42, "enc"), final, &error));
    EXPECT_TRUE(error.contains(".quavero-part-42-enc-")) << error.toStdString();
    EXPECT_EQ(read(final), "old output");

    // The final name is taken by a folder with the user's files in it.
    const QString taken = folder.filePath("taken.mp3");
    ASSERT_TRUE(QDir().mkpath(taken));
    write(taken + "/keep.txt", "user's");
    const QString temp = tempname::pathFor(taken, 42, "enc");
    write(temp, "new output");
    error.clear();
    EXPECT_FALSE(fs::publish(temp, taken, &error));
    EXPECT_TRUE(error.contains(taken)) << error.toStdString();
    EXPECT_EQ(read(taken + "/keep.txt"), "user's");
    EXPECT_EQ(read(temp), "new output") << "the temporary file stays for the caller to remove";
}

TEST(PublishTest, TheEncoderWritesThroughALongTemporaryName)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString input = testenv::makeTone(folder.filePath("in.wav"), 0.5);
    ASSERT_FALSE(input.isEmpty());
    // A final name of 255 bytes: the temporary one is cut, keeps ".mp3", and
    // ffmpeg still knows what to write from it.
    QString stem;
    while ((stem + "ü.mp3").toUtf8().size() <= 255)
        stem += QStringLiteral("ü");
    while ((stem + ".mp3").toUtf8().size() < 255)
        stem += "x";
    const QString final = folder.filePath(stem + ".mp3");
    ASSERT_EQ(QFileInfo(final).fileName().toUtf8().size(), 255);
    write(final, "old output");
    const QString temp = tempname::pathFor(final, QCoreApplication::applicationPid(), "enc");

    const JoinedRun run = child::runJoined(testenv::ffmpeg(), {"-v", "error", "-y", "-i", input, "-vn", temp});
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_EQ(read(final), "old output") << "the final file is untouched while the new one is written";
    QString error;
    ASSERT_TRUE(fs::publish(temp, final, &error)) << error.toStdString();
    EXPECT_EQ(testenv::probe(final, "codec_name"), "mp3");
    EXPECT_NEAR(testenv::probeDuration(final), 0.5, 0.1);
}

} // namespace quavero
