// SPDX-License-Identifier: GPL-3.0-or-later
// quavero-cli names its outputs with --name from the tags ffmpeg wrote into
// the inputs: folders from the template, the tags copied into the renamed
// outputs, and an input without the tags the template needs kept under its
// own name in its own folder.
#include "PlanFor.h"
#include "TaggedInputs.h"
#include "TestApp.h"

#include "cli/CommandLine.h"
#include "cli/ConvertCommand.h"
#include "platform/core/ChildProcess.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace quavero {

namespace {
// One second of a tone written by ffmpeg with the given -metadata pairs.
void makeTagged(const QString &path, const QStringList &metadata)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QStringList args{"-v", "error", "-y", "-f", "lavfi", "-i", "sine=frequency=440:duration=1"};
    for (const QString &pair : metadata)
        args << "-metadata" << pair;
    args << path;
    const JoinedRun run = child::runJoined(testenv::ffmpeg(), args);
    ASSERT_EQ(run.exitCode, 0) << run.output.constData();
}

// Every file below folder, relative to it, sorted.
QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDir dir(folder);
    for (const QFileInfo &info : dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (info.isDir())
            for (const QString &inner : filesBelow(info.absoluteFilePath()))
                files << info.fileName() + "/" + inner;
        else
            files << info.fileName();
    }
    files.sort();
    return files;
}
} // namespace

TEST(CliNameTemplate, OutputsAreNamedFromTheirTagsAndKeepThem)
{
    const QString in = testenv::freshFolder("name-template-in");
    const QString out = testenv::freshFolder("name-template-out");
    makeTagged(in + "/track01.flac",
               {"title=Opening", "artist=Band A", "album_artist=Band A", "album=Debut", "track=1/2", "date=2019"});
    // No album artist: {albumartist} falls back to the artist.
    makeTagged(in + "/track02.ogg", {"title=AC/DC: Live?", "artist=Band A", "album=Debut", "track=2"});
    // No album: named after itself, in its folder, and the summary says why.
    makeTagged(in + "/extra/bonus.wav", {"title=Bonus"});

    const cli::ParsedCommandLine parsed = cli::parseCommandLine(
        {"-q", "-r", "-f", "mp3", "--name", "{albumartist}/{album}/{track:02} {title}", "-o", out, in});
    ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
    EXPECT_EQ(cli::runConversion(parsed.request, testentries::bundledPrograms()), 0);

    EXPECT_EQ(filesBelow(out),
              (QStringList{"Band A/Debut/01 Opening.mp3", "Band A/Debut/02 AC_DC_ Live_.mp3", "extra/bonus.mp3"}));
    const QMap<QString, QString> first = taggedinputs::probedTags(out + "/Band A/Debut/01 Opening.mp3");
    EXPECT_EQ(first.value("title"), "Opening");
    EXPECT_EQ(first.value("album"), "Debut");
    // The value keeps its "/": only the name lost it.
    EXPECT_EQ(taggedinputs::probedTags(out + "/Band A/Debut/02 AC_DC_ Live_.mp3").value("title"), "AC/DC: Live?");
    EXPECT_EQ(taggedinputs::probedTags(out + "/extra/bonus.mp3").value("title"), "Bonus");

    // Flat, the same run puts the input it could not name straight into the
    // output folder; the named ones keep the template's folders.
    const QString flat = testenv::freshFolder("name-template-flat");
    const cli::ParsedCommandLine flatLine = cli::parseCommandLine(
        {"-q", "-r", "--flat", "-f", "mp3", "--name", "{albumartist}/{album}/{track:02} {title}", "-o", flat, in});
    ASSERT_TRUE(flatLine.ok());
    EXPECT_EQ(cli::runConversion(flatLine.request, testentries::bundledPrograms()), 0);
    EXPECT_EQ(filesBelow(flat),
              (QStringList{"Band A/Debut/01 Opening.mp3", "Band A/Debut/02 AC_DC_ Live_.mp3", "bonus.mp3"}));
}

} // namespace quavero
