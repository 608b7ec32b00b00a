// SPDX-License-Identifier: GPL-3.0-or-later
// Sheets an image holds inside itself: a CUESHEET tag written by metaflac,
// and the FLAC cue sheet block written by `flac --cuesheet`.
#include "CueFiles.h"

#include "cue/engine/SheetReader.h"

#include <gtest/gtest.h>

namespace quavero {

using namespace cuefiles;

namespace {
const char *kEmbeddedSheet = "PERFORMER \"Nordlys\"\n"
                             "TITLE \"Polarnatt\"\n"
                             "FILE \"CDImage.wav\" WAVE\n"
                             "  TRACK 01 AUDIO\n    TITLE \"Første lys\"\n    INDEX 01 00:00:00\n"
                             "  TRACK 02 AUDIO\n    TITLE \"Skumring\"\n    ISRC NOXYZ9900002\n"
                             "    INDEX 00 00:02:00\n    INDEX 01 00:03:37\n"
                             "  TRACK 03 AUDIO\n    TITLE \"Mørke\"\n    INDEX 01 00:06:13\n";

bool run(const QString &program, const QStringList &arguments)
{
    const JoinedRun r = child::runJoined(program, arguments);
    EXPECT_EQ(r.exitCode, 0) << program.toStdString() << ": " << r.output.toStdString();
    return r.exitCode == 0;
}

class EmbeddedSheet : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = testenv::freshFolder("embedded");
        wav = noiseImage(folder + "/CDImage.wav", 10);
        ASSERT_FALSE(wav.isEmpty());
        ASSERT_TRUE(writeSheet(folder + "/CDImage.cue", QString::fromUtf8(kEmbeddedSheet)));
    }

    QList<qint64> startsOf(const SheetReading &r)
    {
        QList<qint64> starts;
        for (const SheetTrack &t : r.tracks)
            starts << t.range.start;
        return starts;
    }

    QString folder, wav;
};
} // namespace

TEST_F(EmbeddedSheet, FromACuesheetTag)
{
    const QString image = folder + "/album.flac";
    ASSERT_TRUE(run("flac", {"-s", "-o", image, wav}));
    ASSERT_TRUE(run("metaflac", {"--set-tag-from-file=CUESHEET=" + folder + "/CDImage.cue", image}));

    const SheetReading r = cue::readEmbeddedSheet(image);
    ASSERT_TRUE(r.ok()) << r.failure.text().toStdString();
    ASSERT_EQ(r.tracks.size(), 3);
    EXPECT_EQ(startsOf(r), (QList<qint64>{0, 262 * 588, 463 * 588}));
    EXPECT_EQ(r.tracks[2].range.end, 441000);
    EXPECT_EQ(r.tracks[0].imagePath, image);
    EXPECT_EQ(r.tracks[0].baseName, "01 Første lys");
    EXPECT_EQ(r.tracks[1].tags.fields.value("ALBUM"), QStringList{"Polarnatt"});
    EXPECT_EQ(r.tracks[1].tags.fields.value("ISRC"), QStringList{"NOXYZ9900002"});
}

// The block has no titles: the tracks are named by number, their starts are
// exact sample offsets.
TEST_F(EmbeddedSheet, FromAFlacCueSheetBlock)
{
    const QString image = folder + "/album.flac";
    ASSERT_TRUE(run("flac", {"-s", "--cuesheet=" + folder + "/CDImage.cue", "-o", image, wav}));

    const SheetReading r = cue::readEmbeddedSheet(image);
    ASSERT_TRUE(r.ok()) << r.failure.text().toStdString();
    EXPECT_EQ(r.encoding, "");
    EXPECT_EQ(startsOf(r), (QList<qint64>{0, 262 * 588, 463 * 588}));
    EXPECT_EQ(r.sheet.tracks[1].index00, 2 * 75);
    EXPECT_EQ(r.tracks[2].range.end, 441000);
    EXPECT_EQ(r.tracks[1].baseName, "02 Track 2");
    EXPECT_EQ(r.tracks[1].tags.fields.value("ISRC"), QStringList{"NOXYZ9900002"});
    EXPECT_EQ(r.tracks[1].tags.fields.value("TRACKTOTAL"), QStringList{"3"});
}

TEST_F(EmbeddedSheet, AnImageWithoutOneSaysSo)
{
    const QString image = folder + "/plain.flac";
    ASSERT_TRUE(run("flac", {"-s", "-o", image, wav}));
    const SheetReading r = cue::readEmbeddedSheet(image);
    EXPECT_EQ(r.failure.kind, cue::FailureKind::NoEmbeddedSheet);
    EXPECT_EQ(r.failure.text(), "plain.flac: the file holds no CUE sheet; add the sheet's .cue file instead");
    EXPECT_EQ(cue::readEmbeddedSheet(folder + "/CDImage.cue").failure.kind, cue::FailureKind::UnreadableImage);
}

} // namespace quavero
