// SPDX-License-Identifier: GPL-3.0-or-later
// --dry-run prints the very commands a conversion runs: for every format the
// builder's vector and the effects stage's, quoted so that a shell gives back
// the same words; and it converts, creates and deletes nothing.
#include "CliRunner.h"
#include "TestApp.h"
#include "convert/core/EffectsArguments.h"
#include "convert/core/EncoderCommand.h"
#include "convert/core/TemporaryName.h"
#include "filelist/core/FileEntry.h"
#include "formats/core/FormatTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <gtest/gtest.h>

namespace quavero {

using namespace clitest;

namespace {
QString touch(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write("x");
    return path;
}

QList<QStringList> linesOf(const CliRun &run)
{
    QList<QStringList> lines;
    for (const QString &line : run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        lines << shellWords(line);
    return lines;
}
} // namespace

TEST(CliDryRun, EveryFormatPrintsTheBuildersCommandsQuotedForTheShell)
{
    const QString in = testenv::freshFolder(QStringLiteral("cli dry 'in'"));
    const QString input = touch(in + QStringLiteral("/it's a \"b\" $HOME `x` 100% live café.wav"));
    const QString out = testenv::freshFolder(QStringLiteral("cli-dry-out")) + QStringLiteral("/new folder");
    const NodeVideoFile entry = filelist::entryFromUrl(QUrl::fromLocalFile(input));
    // The command line's defaults; the input holds no audio to keep the values of.
    const FormatRecords records = commandLineRecords();

    for (const OutputFormat &format : formats::all()) {
        SCOPED_TRACE(format.item.toStdString());
        const CliRun run = runCli({"--dry-run", "-f", format.item, "-o", out, input});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QList<QStringList> lines = linesOf(run);
        ASSERT_FALSE(lines.isEmpty()) << run.out.toStdString();
        const QStringList ffmpeg = lines.first();
        ASSERT_GE(ffmpeg.size(), 2);
        EXPECT_EQ(QFileInfo(ffmpeg.first()).fileName(), "ffmpeg");

        // The file sox reads is a temporary one beside the output; without
        // sox, ffmpeg's line names the final file.
        const QString finalPath = out + "/" + entry.s_File_Name_Without_Extension() + format.extension;
        const bool effects = encoder::effectsFollow(format.index, records);
        const QString written = effects ? ffmpeg.last() : finalPath;
        EXPECT_EQ(ffmpeg.mid(1), encoder::arguments(format.index, entry, records, written));
        ASSERT_EQ(lines.size(), effects ? 2 : 1);
        if (effects) {
            EXPECT_EQ(QFileInfo(written).path(), out);
            EXPECT_TRUE(tempname::ownerOf(QFileInfo(written).fileName()).has_value()) << written.toStdString();
            EXPECT_EQ(QFileInfo(lines.at(1).first()).fileName(), "sox");
            EXPECT_EQ(lines.at(1).mid(1),
                      effects::arguments(written, finalPath, effects::valuesFor(format.index, records)));
        }
    }
    EXPECT_FALSE(QFileInfo::exists(out)) << "a dry run creates no output folder";
}

TEST(CliDryRun, TheBuildersOwnExamples)
{
    const QString music = testenv::freshFolder(QStringLiteral("music"));
    const QString out = testenv::freshFolder(QStringLiteral("out"));
    // Real 44.1 kHz stereo tones: the command line keeps their rate and channels.
    const QString ab = testenv::makeTone(music + "/a b.wav", 0.2);
    const QString song = testenv::makeTone(music + "/song.wav", 0.2);
    const QString live = testenv::makeTone(music + "/100% live.wav", 0.2);

    const QList<QStringList> vbr = linesOf(runCli({"-n", "-o", out, ab}));
    ASSERT_EQ(vbr.size(), 1);
    EXPECT_EQ(vbr.first().mid(1), (QStringList{"-i", "file://" + music + "/a b.wav", "-codec:a", "libmp3lame",
                                               "-qscale:a", "4", "-ar", "44100", "-ac", "2", out + "/a b.mp3"}));

    const QList<QStringList> cbr =
        linesOf(runCli({"-n", "-o", out, "--set", "mode=CBR", "--set", "bitrate=128", "--set", "volume=150", ab}));
    EXPECT_EQ(cbr.first().mid(1),
              (QStringList{"-i", "file://" + music + "/a b.wav", "-codec:a", "libmp3lame", "-b:a", "128k", "-ar",
                           "44100", "-af", "volume=0.585938", "-ac", "2", out + "/a b.mp3"}));

    const QList<QStringList> ac3 = linesOf(runCli({"-n", "-f", "ac3", "-o", out, song}));
    EXPECT_EQ(ac3.first().mid(1),
              (QStringList{"-i", "file://" + music + "/song.wav", "-acodec", "ac3", "-vn", out + "/song.ac3"}));

    // .AU with effects: the sox line applies them in the order speed, gain, treble, bass.
    const QList<QStringList> au =
        linesOf(runCli({"-n", "-f", "au", "--set", "speed=1.25", "--set", "gain=-3", "--set", "bass=4", "-o", out, song}));
    ASSERT_EQ(au.size(), 2);
    EXPECT_TRUE(tempname::ownerOf(QFileInfo(au.at(1).at(1)).fileName()).has_value()) << au.at(1).at(1).toStdString();
    EXPECT_EQ(au.at(1).mid(2), (QStringList{out + "/song.au", "speed", "1.25", "gain", "-3", "bass", "4"}));

    const QList<QStringList> percent = linesOf(runCli({"-n", "-o", out, live}));
    EXPECT_EQ(percent.first().at(2), "file://" + music + "/100% live.wav");
    EXPECT_EQ(percent.first().last(), out + "/100% live.mp3");
}

TEST(CliDryRun, FilesThatCannotBeConvertedAreNamedAndNothingIsTouched)
{
    const QString folder = testenv::freshFolder(QStringLiteral("cli-dry-safety"));
    const QString mp3 = touch(folder + "/a.mp3");
    const QString wav = touch(folder + "/b.wav");
    const QString old = touch(folder + "/b.mp3"); // an old output: only a real run replaces it
    const QString notes = touch(folder + "/notes.txt");

    const CliRun run = runCli({"-n", "-o", folder, mp3, wav, folder + "/missing.flac", notes});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("a.mp3: the output would replace an input file")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("missing.flac: no such file")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("notes.txt: not an audio file")) << run.err.toStdString();
    const QList<QStringList> lines = linesOf(run);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines.first().last(), folder + "/b.mp3");
    for (const QString &path : {mp3, wav, old})
        EXPECT_EQ(QFileInfo(path).size(), 1) << path.toStdString();
}

TEST(CliDryRun, FoldersGiveTheirAcceptedFilesInNameOrder)
{
    const QString folder = testenv::freshFolder(QStringLiteral("cli-dry-folder"));
    const QString out = testenv::freshFolder(QStringLiteral("cli-dry-folder-out"));
    QDir(folder).mkpath("sub");
    QDir(folder).mkpath("d.mp3"); // a folder, not a file
    for (const char *name : {"c.wav", "a.mp3", "b.WAV", "notes.txt", "sub/e.mp3", "B.flac"})
        touch(folder + "/" + name);

    auto outputs = [&](const QStringList &extra) {
        QStringList names;
        const CliRun run = runCli(QStringList{"-n", "-f", "ogg", "--set", "mode=cbr", "-o", out} + extra);
        for (const QStringList &line : linesOf(run))
            names << QFileInfo(line.last()).fileName();
        return names;
    };
    // Extensions count in any letter case, in a folder as on the command line;
    // "b" after "B" is numbered, as names differing in case only would clash
    // on many file systems.
    EXPECT_EQ(outputs({folder}), (QStringList{"B.ogg", "a.ogg", "b (2).ogg", "c.ogg"}));
    EXPECT_EQ(outputs({"-r", folder}), (QStringList{"B.ogg", "a.ogg", "b (2).ogg", "c.ogg", "e.ogg"}));
    // A file named on the command line is taken in any letter case, in the order given.
    EXPECT_EQ(outputs({folder + "/c.wav", folder + "/b.WAV"}), (QStringList{"c.ogg", "b.ogg"}));

    const QString empty = testenv::freshFolder(QStringLiteral("cli-dry-empty"));
    const CliRun none = runCli({"-n", "-o", out, empty});
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_TRUE(none.err.contains("holds no file ending in .ac3")) << none.err.toStdString();
}

// The commands carry the names and folders the conversion would write: a
// numbered name for a second "a", the subfolders with -r unless --flat, and
// nothing created for them.
TEST(CliDryRun, OutputsGetTheirPlannedNamesAndFolders)
{
    const QString music = testenv::freshFolder(QStringLiteral("cli-dry-plan"));
    const QString out = testenv::freshFolder(QStringLiteral("cli-dry-plan-out"));
    QDir(music).mkpath("Album A");
    QDir(music).mkpath("Album B");
    touch(music + "/Album A/a.wav");
    touch(music + "/Album A/a.flac");
    touch(music + "/Album B/a.ogg");
    touch(out + "/a (2).mp3");
    auto outputs = [&](const QStringList &extra) {
        QStringList paths;
        for (const QStringList &line : linesOf(runCli(QStringList{"-n", "-o", out} + extra)))
            paths << line.last();
        return paths;
    };
    EXPECT_EQ(outputs({"-r", music}),
              (QStringList{out + "/Album A/a.mp3", out + "/Album A/a (2).mp3", out + "/Album B/a.mp3"}));
    EXPECT_EQ(outputs({"-r", "--flat", music}), (QStringList{out + "/a.mp3", out + "/a (3).mp3", out + "/a (4).mp3"}));
    EXPECT_EQ(outputs({music + "/Album A/a.wav", music + "/Album B/a.ogg"}),
              (QStringList{out + "/a.mp3", out + "/a (3).mp3"}));
    EXPECT_FALSE(QFileInfo::exists(out + "/Album A"));
}

} // namespace quavero
