// SPDX-License-Identifier: GPL-3.0-or-later
// Child processes: an argument vector, /dev/null as standard input, joined
// output read to its end, or separate pipes with notices on the main loop.
#include "platform/core/ChildProcess.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace quavero {

TEST(JoinedRun, ReadsOutputAndErrorToTheEndAndReportsTheExit)
{
    const JoinedRun run = child::runJoined("/bin/sh", {"-c", "echo to-output; echo to-error >&2; exit 3"});
    EXPECT_TRUE(run.started);
    EXPECT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.output, "to-output\nto-error\n");
}

TEST(JoinedRun, ArgumentsReachTheProgramUnchangedWithoutAShell)
{
    const QString tricky = QStringLiteral("a b;$(echo no)'\"*");
    const JoinedRun run = child::runJoined("/usr/bin/printf", {"%s|", tricky, ""});
    EXPECT_EQ(QString::fromUtf8(run.output), tricky + "||");
}

TEST(JoinedRun, ChildReadsDevNullSoAQuestionCannotHang)
{
    const JoinedRun stdinIs = child::runJoined("/bin/readlink", {"/proc/self/fd/0"});
    EXPECT_EQ(stdinIs.output.trimmed(), "/dev/null");
    // A program that waits for an answer gets end of input at once.
    const JoinedRun question = child::runJoined("/bin/sh", {"-c", "read answer; echo \"answer=[$answer]\""});
    EXPECT_EQ(question.output, "answer=[]\n");
}

TEST(JoinedRun, ProgramThatCannotStartIsReportedAsNotStarted)
{
    const JoinedRun run = child::runJoined("/nonexistent/ffmpeg", {"-version"});
    EXPECT_FALSE(run.started);
    EXPECT_FALSE(run.output.isEmpty());
}

TEST(SeparatePipes, OutputAndErrorArriveApartOnTheMainLoopWithDevNullInput)
{
    QObject owner;
    QProcess *process = child::newProcess(&owner);
    QByteArray output, error;
    QObject::connect(process, &QProcess::readyReadStandardOutput, [&] { output += process->readAllStandardOutput(); });
    QObject::connect(process, &QProcess::readyReadStandardError, [&] { error += process->readAllStandardError(); });
    QSignalSpy finished(process, &QProcess::finished);
    process->start("/bin/sh", {"-c", "readlink /proc/self/fd/0; echo time=00:00:01 >&2"});
    ASSERT_TRUE(finished.wait(10000));
    EXPECT_EQ(output, "/dev/null\n");
    EXPECT_EQ(error, "time=00:00:01\n");
}

TEST(CanRun, TellsProgramsFromOtherFiles)
{
    QTemporaryDir folder;
    QFile plain(folder.filePath("plain.txt"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_TRUE(child::canRun("/bin/sh"));
    EXPECT_TRUE(child::canRun("sh"));
    EXPECT_FALSE(child::canRun(plain.fileName()));
    EXPECT_FALSE(child::canRun("/bin"));
    EXPECT_FALSE(child::canRun("no-such-program-here"));
    EXPECT_FALSE(child::canRun(""));
}

} // namespace quavero
