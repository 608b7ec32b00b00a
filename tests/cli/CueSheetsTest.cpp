// SPDX-License-Identifier: GPL-3.0-or-later
// quavero-cli given an album image's CUE sheet: one file per track, each the
// samples shnsplit cuts from the same image (a pregap, boundaries inside FLAC
// frames), the tracks joined the image; the sheet's tags in every track over
// the image's own, read back with mutagen, from a UTF-8 and a Latin-1 sheet;
// a folder holding an image and its sheet; a sheet naming a missing file; a
// sheet inside the image.
#include "../cue/CueFiles.h"
#include "CliRunner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace quavero {

using namespace clitest;
using namespace cuefiles;

namespace {
// Track 2's pregap (INDEX 00 at 5.13 s) stays with track 1; every boundary
// lies inside a FLAC frame of 4096 samples.
const char *kSheet = "REM GENRE \"Noise\"\nREM DATE 1999\nPERFORMER \"%2\"\nTITLE \"%3\"\n"
                     "FILE \"%1\" WAVE\n"
                     "  TRACK 01 AUDIO\n    TITLE \"%4\"\n    INDEX 01 00:00:00\n"
                     "  TRACK 02 AUDIO\n    TITLE \"Pinker\"\n    PERFORMER \"Guest\"\n"
                     "    INDEX 00 00:05:10\n    INDEX 01 00:07:33\n"
                     "  TRACK 03 AUDIO\n    TITLE \"Pinkest\"\n    INDEX 01 00:12:41\n";

QString sheetText(const QString &image, const QString &artist = "Band", const QString &album = "Noise",
                  const QString &first = "Pink")
{
    return QString::fromLatin1(kSheet).arg(image, artist, album, first);
}

// The options that keep a 16-bit 44.1 kHz image's samples as they are.
QStringList exactOptions(const QString &format)
{
    if (format == "wav")
        return {"-f", "wav", "--set", "codec=PCM 16", "--set", "rate=44100"};
    return {"-f", "flac", "--set", "rate=44100"};
}

// The file's tags as mutagen reads them (Vorbis comment keys in lower case),
// and how many pictures it holds under "pictures".
QMap<QString, QStringList> mutagenTags(const QString &path)
{
    static const char *const script = R"(
import json, sys, mutagen
f = mutagen.File(sys.argv[1])
tags = {}
for key, value in (f.tags.items() if f is not None and f.tags is not None else []):
    tags.setdefault(str(key).lower(), []).extend(value if isinstance(value, list) else [str(value)])
tags["pictures"] = [str(len(getattr(f, "pictures", [])))]
print(json.dumps(tags))
)";
    const JoinedRun run = child::runJoined("/usr/bin/python3", {"-c", script, path});
    QMap<QString, QStringList> tags;
    const QJsonObject object = QJsonDocument::fromJson(run.output.trimmed().split('\n').last()).object();
    for (auto it = object.begin(); it != object.end(); ++it)
        for (const QJsonValue &v : it.value().toArray())
            tags[it.key()] << v.toString();
    return tags;
}

class CliCue : public ::testing::TestWithParam<const char *> {
protected:
    void SetUp() override { folder = testenv::freshFolder("cli-cue"); }
    QString folder;
};
} // namespace

// The parameter: the image's extension, then the tracks'.
TEST_P(CliCue, TracksAreShnsplitsPiecesAndJoinToTheImage)
{
    const QStringList kinds = QString(GetParam()).split(' ');
    const QString image = noiseImage(folder + "/album." + kinds[0], 20);
    ASSERT_FALSE(image.isEmpty());
    const QString sheet = folder + "/album.cue";
    ASSERT_TRUE(writeSheet(sheet, sheetText(QFileInfo(image).fileName())));
    const QStringList pieces = shnsplitPieces(sheet, image, folder + "/shn");
    ASSERT_EQ(pieces.size(), 3) << "shnsplit (Debian package shntool) did not split the image";

    const QString out = folder + "/out";
    const CliRun run = runCli(QStringList{"-q"} + exactOptions(kinds[1]) + QStringList{"-o", out, sheet});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_EQ(run.err, "");
    const QStringList names{"01 Pink", "02 Pinker", "03 Pinkest"};
    EXPECT_EQ(QDir(out).entryList(QDir::Files, QDir::Name),
              (QStringList{names[0] + "." + kinds[1], names[1] + "." + kinds[1], names[2] + "." + kinds[1]}));
    const qint64 expected[] = {328104, 225204, 328692};
    QByteArray joined;
    for (int i = 0; i < 3; ++i) {
        const QString track = QStringLiteral("%1/%2.%3").arg(out, names[i], kinds[1]);
        const QByteArray ours = pcmOf(track);
        EXPECT_EQ(samplesIn(ours), expected[i]) << "track " << i + 1;
        EXPECT_TRUE(ours == pcmOf(pieces[i])) << "track " << i + 1 << " differs from shnsplit's";
        if (kinds[1] == "flac") {
            const JoinedRun test = child::runJoined("flac", {"-t", "-s", track});
            EXPECT_EQ(test.exitCode, 0) << test.output.toStdString();
        }
        joined += ours;
    }
    EXPECT_TRUE(joined == pcmOf(image)) << "the tracks joined are not the image";
}

INSTANTIATE_TEST_SUITE_P(Images, CliCue, ::testing::Values("wav flac", "flac wav", "flac flac", "wav wav"));

TEST(CliCueTags, TheSheetsTagsGoOverTheImagesInEveryTrack)
{
    const QString folder = testenv::freshFolder("cli-cue-tags");
    const QString wav = noiseImage(folder + "/rip.wav", 20);
    ASSERT_FALSE(wav.isEmpty());
    // A FLAC image with a cover and a label of its own, and the title of the whole.
    const QString image = folder + "/album.flac";
    ASSERT_EQ(child::runJoined("flac", {"-s", "-o", image, wav}).exitCode, 0);
    const QString cover = folder + "/cover.png";
    ASSERT_EQ(child::runJoined(testenv::ffmpeg(),
                               {"-v", "error", "-f", "lavfi", "-i", "color=red:s=32x32", "-frames:v", "1", cover})
                  .exitCode,
              0);
    ASSERT_EQ(child::runJoined("metaflac", {"--import-picture-from=3||||" + cover, "--set-tag=LABEL=Acme",
                                            "--set-tag=TITLE=The whole image", image})
                  .exitCode,
              0);

    struct Sheet {
        const char *encoding;
        QString artist, album, first;
    };
    const QList<Sheet> sheets{
        {"UTF-8", "Nordlys", "Polarnatt", QString::fromUtf8("Første lys")},
        {"WINDOWS-1252", QString::fromUtf8("Café Müller"), QString::fromUtf8("Été"), QString::fromUtf8("Déjà vu")}};
    for (const Sheet &s : sheets) {
        SCOPED_TRACE(s.encoding);
        const QString sheet = folder + "/album.cue";
        ASSERT_TRUE(writeSheet(sheet, sheetText("album.flac", s.artist, s.album, s.first), s.encoding));
        const QString out = folder + "/out-" + s.encoding;
        const CliRun run = runCli(QStringList{"-q"} + exactOptions("flac") + QStringList{"-o", out, sheet});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

        const auto first = mutagenTags(out + "/01 " + s.first + ".flac");
        EXPECT_EQ(first.value("title"), QStringList{s.first});
        EXPECT_EQ(first.value("artist"), QStringList{s.artist});
        EXPECT_EQ(first.value("album"), QStringList{s.album});
        EXPECT_EQ(first.value("albumartist"), QStringList{s.artist});
        EXPECT_EQ(first.value("date"), QStringList{"1999"});
        EXPECT_EQ(first.value("genre"), QStringList{"Noise"});
        EXPECT_EQ(first.value("tracknumber"), QStringList{"1"});
        EXPECT_EQ(first.value("tracktotal"), QStringList{"3"});
        EXPECT_EQ(first.value("label"), QStringList{"Acme"}) << "the image's own tags fill what the sheet leaves out";
        EXPECT_EQ(first.value("pictures"), QStringList{"1"}) << "the image's cover lands in every track";
        const auto second = mutagenTags(out + "/02 Pinker.flac");
        EXPECT_EQ(second.value("title"), QStringList{"Pinker"});
        EXPECT_EQ(second.value("artist"), QStringList{"Guest"});
        EXPECT_EQ(second.value("albumartist"), QStringList{s.artist});
        EXPECT_EQ(second.value("tracknumber"), QStringList{"2"});
        EXPECT_EQ(second.value("pictures"), QStringList{"1"});
        EXPECT_FALSE(second.contains("cuesheet"));
    }
}

TEST(CliCueInputs, AFolderGivesTracksAMissingImageFailsAnEmbeddedSheetSplits)
{
    const QString folder = testenv::freshFolder("cli-cue-inputs");
    // A folder with an image and its sheet: the tracks, not the image.
    const QString image = noiseImage(folder + "/in/album.wav", 20);
    ASSERT_FALSE(image.isEmpty());
    ASSERT_TRUE(writeSheet(folder + "/in/album.cue", sheetText("album.wav")));
    CliRun run = runCli({"-q", "-f", "flac", "-o", folder + "/out", folder + "/in"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QDir(folder + "/out").entryList(QDir::Files, QDir::Name),
              (QStringList{"01 Pink.flac", "02 Pinker.flac", "03 Pinkest.flac"}));

    // A sheet naming a file that is not there: one named failure, the rest converted.
    ASSERT_TRUE(writeSheet(folder + "/gone/album.cue", sheetText("image.flac")));
    const QString other = noiseImage(folder + "/gone/other.wav", 1);
    run = runCli({"-f", "flac", "-o", folder + "/out-gone", folder + "/gone"});
    EXPECT_EQ(run.exitCode, 1) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("1 converted, 1 failed")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("album.cue: the sheet names image.flac, which is not in its folder"))
        << run.out.toStdString();

    // A FLAC image holding its sheet: its tracks.
    const QString inside = folder + "/inside/album.flac";
    QDir().mkpath(folder + "/inside");
    ASSERT_EQ(child::runJoined("flac", {"-s", "-o", inside, image}).exitCode, 0);
    ASSERT_EQ(child::runJoined("metaflac", {"--set-tag-from-file=CUESHEET=" + folder + "/in/album.cue", inside}).exitCode,
              0);
    run = runCli({"-q", "-f", "wav", "-o", folder + "/out-inside", inside});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QDir(folder + "/out-inside").entryList(QDir::Files, QDir::Name),
              (QStringList{"01 Pink.wav", "02 Pinker.wav", "03 Pinkest.wav"}));
}

TEST(CliCueInputs, TheSpeedFactorAppliesToEachTrack)
{
    const QString folder = testenv::freshFolder("cli-cue-speed");
    const QString image = noiseImage(folder + "/album.wav", 20);
    ASSERT_TRUE(writeSheet(folder + "/album.cue", sheetText("album.wav")));
    const CliRun run = runCli(QStringList{"-q"} + exactOptions("wav") +
                              QStringList{"--set", "speed=2", "-o", folder + "/out", folder + "/album.cue"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    // Twice as fast: each track half as long as its share (within sox's rounding).
    const qint64 shares[] = {328104, 225204, 328692};
    const QStringList names{"01 Pink", "02 Pinker", "03 Pinkest"};
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(double(samplesIn(pcmOf(folder + "/out/" + names[i] + ".wav"))), shares[i] / 2.0, 64.0)
            << names[i].toStdString();
}

} // namespace quavero
