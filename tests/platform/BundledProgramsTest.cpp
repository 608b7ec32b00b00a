// SPDX-License-Identifier: GPL-3.0-or-later
// Where the converter finds ffmpeg and sox: beside the executable, then in
// the installed libexec folder, then on the PATH.
#include "platform/core/BundledPrograms.h"
#include "platform/core/ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quavero {

namespace {
// Writes an executable (or, when executable is false, a plain) file.
void makeProgram(const QString &path, bool executable = true)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write("#!/bin/sh\n");
    file.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        permissions |= QFile::ExeOwner;
    file.setPermissions(permissions);
}
} // namespace

class BundledProgramsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        bin = root.filePath("prefix/bin");
        libexec = root.filePath("prefix/libexec/quavero/resources");
        path = root.filePath("path");
        QDir().mkpath(bin);
        QDir().mkpath(path);
    }
    QString find(const QString &name) { return bundled::programPathFrom(name, bin, {path}); }

    QTemporaryDir root;
    QString bin, libexec, path;
};

TEST_F(BundledProgramsTest, ResourcesBesideExecutableComeFirstThenLibexecThenPath)
{
    makeProgram(path + "/ffmpeg");
    EXPECT_EQ(find("ffmpeg"), path + "/ffmpeg");
    makeProgram(libexec + "/ffmpeg");
    EXPECT_EQ(find("ffmpeg"), libexec + "/ffmpeg");
    makeProgram(bin + "/resources/ffmpeg");
    EXPECT_EQ(find("ffmpeg"), bin + "/resources/ffmpeg");
}

TEST_F(BundledProgramsTest, SkipsWhatCannotRunAndFallsBackToTheBareName)
{
    makeProgram(bin + "/resources/sox", false);                       // not executable
    QDir().mkpath(libexec + "/sox");                                  // a folder, not a program
    QFile::link(root.filePath("missing"), bin + "/resources/ffmpeg"); // a dangling link
    EXPECT_EQ(find("sox"), "sox");
    EXPECT_EQ(find("ffmpeg"), "ffmpeg");
    makeProgram(path + "/sox");
    EXPECT_EQ(find("sox"), path + "/sox");
}

TEST_F(BundledProgramsTest, LinkIntoResourcesIsFollowed)
{
    makeProgram(root.filePath("real/sox"));
    QDir().mkpath(bin + "/resources");
    ASSERT_TRUE(QFile::link(root.filePath("real/sox"), bin + "/resources/sox"));
    EXPECT_EQ(find("sox"), bin + "/resources/sox");
}

// The build links the programs it found beside the programs it builds.
TEST(BuildTree, BundledProgramsLieBesideTheBuiltExecutables)
{
    const QString binDir = QStringLiteral(QUAVERO_BINARY_DIR "/bin");
    for (const QString &name : {QStringLiteral("ffmpeg"), QStringLiteral("sox")}) {
        const QString found = bundled::programPathFrom(name, binDir, {QStringLiteral("/nonexistent")});
        EXPECT_EQ(found, binDir + "/resources/" + name);
        EXPECT_TRUE(child::canRun(found)) << found.toStdString();
    }
}

} // namespace quavero
