// SPDX-License-Identifier: GPL-3.0-or-later
// quavero-cli refuses an option the format's encoder cannot take before it
// reads or writes anything: exit status 2, and the reason on standard error.
#include "TestApp.h"
#include "cli/CommandLine.h"
#include "cli/ConvertCommand.h"
#include "formats/core/ChoiceLimits.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cstdio>
#include <gtest/gtest.h>
#include <unistd.h>

namespace quavero {

namespace {
struct InProcess {
    int status = -1;
    QString err;
};

// Runs the conversion a command line asks for in this process, with its
// standard error caught in a file.
InProcess convert(const QStringList &arguments)
{
    InProcess result;
    const cli::ParsedCommandLine parsed = cli::parseCommandLine(QStringList{"-q"} + arguments);
    EXPECT_TRUE(parsed.ok()) << parsed.error.toStdString();
    if (!parsed.ok())
        return result;
    QTemporaryFile caught;
    if (!caught.open())
        return result;
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(caught.handle(), STDERR_FILENO);
    result.status = cli::runConversion(parsed.request, ProgramPaths{testenv::ffmpeg(), testenv::sox()});
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    QFile back(caught.fileName());
    back.open(QIODevice::ReadOnly);
    result.err = QString::fromUtf8(back.readAll());
    return result;
}
} // namespace

TEST(CliRefusedChoice, ARateTheEncoderCannotTakeEndsWithStatusTwoAndWritesNothing)
{
    const QString in = testenv::freshFolder(QStringLiteral("cli-refused-in"));
    const QString tone = testenv::makeTone(in + QStringLiteral("/a.wav"), 0.3);
    ASSERT_FALSE(tone.isEmpty());
    const QString out = testenv::freshFolder(QStringLiteral("cli-refused-out")) + QStringLiteral("/new");

    FormatRecords records = commandLineRecords();
    options::byName(RecordKind::MP3, QStringLiteral("rate"))->set(records, 10); // 96000
    const QString reason = formats::refusedChoice(8, records);
    ASSERT_FALSE(reason.isEmpty());
    for (const QStringList &extra : {QStringList{}, QStringList{"--dry-run"}}) {
        const InProcess run = convert(extra + QStringList{"-f", "mp3", "--set", "rate=96000", "-o", out, tone});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "quavero-cli: " + reason + " Choose another with --set.\n");
        EXPECT_FALSE(QFileInfo::exists(out)); // not even the output folder
    }
    // A rate MP3 takes converts.
    const InProcess fine = convert({"-f", "mp3", "--set", "rate=48000", "-o", out, tone});
    EXPECT_EQ(fine.status, 0) << fine.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(out + "/a.mp3"));
}

} // namespace quavero
