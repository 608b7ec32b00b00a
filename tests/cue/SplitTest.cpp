// SPDX-License-Identifier: GPL-3.0-or-later
// Tracks cut by ffmpeg with cue::splitArguments are shnsplit's pieces of the
// same image, sample for sample: from a WAV and a FLAC image, with a pregap
// and with boundaries inside FLAC frames (4096 samples; the boundaries here
// are multiples of 588), into WAV and FLAC tracks. Joined, the tracks are the
// image.
#include "CueFiles.h"

#include "cue/core/SplitArguments.h"
#include "cue/engine/SheetReader.h"

#include <gtest/gtest.h>

namespace quavero {

using namespace cuefiles;

namespace {
// Track 2 has a pregap (INDEX 00 at 5.13 s), which stays with track 1; its
// INDEX 01 at 7.44 s is sample 328104, inside FLAC frame 80, as is every
// other boundary.
const char *kSplitSheet = "TITLE \"Noise\"\n"
                          "FILE \"%1\" WAVE\n"
                          "  TRACK 01 AUDIO\n    TITLE \"Pink\"\n    INDEX 01 00:00:00\n"
                          "  TRACK 02 AUDIO\n    TITLE \"Pinker\"\n    INDEX 00 00:05:10\n    INDEX 01 00:07:33\n"
                          "  TRACK 03 AUDIO\n    TITLE \"Pinkest\"\n    INDEX 01 00:12:41\n";

// The track cut out of its image by ffmpeg into output (WAV or FLAC by its name).
bool cut(const SheetTrack &track, const QString &output)
{
    const SplitArguments split = cue::splitArguments(track.imagePath, track.range, track.sampleRate);
    const QString codec = output.endsWith(".flac") ? "flac" : "pcm_s16le";
    const QStringList arguments = QStringList{"-v", "error", "-y"} + split.input +
                                  cue::withFilter({"-c:a", codec}, split.filter) + QStringList{output};
    const JoinedRun run = child::runJoined(testenv::ffmpeg(), arguments);
    EXPECT_EQ(run.exitCode, 0) << arguments.join(' ').toStdString() << "\n" << run.output.toStdString();
    return run.exitCode == 0;
}

class Split : public ::testing::TestWithParam<const char *> {
protected:
    void SetUp() override { folder = testenv::freshFolder("split"); }
    QString folder;
};
} // namespace

// The parameter: the image's extension, then the tracks'.
TEST_P(Split, TracksAreShnsplitsPieces)
{
    const QStringList kinds = QString(GetParam()).split(' ');
    const QString image = noiseImage(folder + "/album." + kinds[0], 20);
    ASSERT_FALSE(image.isEmpty());
    const QString sheet = folder + "/album.cue";
    ASSERT_TRUE(writeSheet(sheet, QString::fromLatin1(kSplitSheet).arg(QFileInfo(image).fileName())));

    const SheetReading r = cue::readSheetFile(sheet);
    ASSERT_TRUE(r.ok()) << r.failure.text().toStdString();
    ASSERT_EQ(r.tracks.size(), 3);
    const QStringList pieces = shnsplitPieces(sheet, image, folder + "/shn");
    ASSERT_EQ(pieces.size(), 3) << "shnsplit (Debian package shntool) did not split the image";

    const qint64 expected[] = {328104, 225204, 328692};
    QByteArray joined;
    for (int i = 0; i < 3; ++i) {
        const QString output = QStringLiteral("%1/%2.%3").arg(folder, r.tracks[i].baseName, kinds[1]);
        ASSERT_TRUE(cut(r.tracks[i], output));
        const QByteArray ours = pcmOf(output);
        const QByteArray theirs = pcmOf(pieces[i]);
        EXPECT_EQ(samplesIn(ours), expected[i]) << "track " << i + 1;
        EXPECT_EQ(samplesIn(theirs), expected[i]) << "shnsplit's track " << i + 1;
        EXPECT_TRUE(ours == theirs) << "track " << i + 1 << " differs from shnsplit's";
        if (kinds[1] == "flac") {
            const JoinedRun test = child::runJoined("flac", {"-t", "-s", output});
            EXPECT_EQ(test.exitCode, 0) << test.output.toStdString();
        }
        joined += ours;
    }
    EXPECT_TRUE(joined == pcmOf(image)) << "the tracks joined are not the image";
}

INSTANTIATE_TEST_SUITE_P(Cue, Split, ::testing::Values("wav wav", "flac flac", "flac wav"));

// At 48 kHz a frame is 640 samples, and at 32 kHz no whole number: the
// tracks still have their computed lengths and join to the image.
TEST(SplitRates, TracksJoinAtOtherRates)
{
    for (int rate : {48000, 32000}) {
        const QString folder = testenv::freshFolder("rates");
        const QString image = noiseImage(folder + "/album.flac", 20, rate);
        ASSERT_FALSE(image.isEmpty());
        ASSERT_TRUE(writeSheet(folder + "/album.cue", QString::fromLatin1(kSplitSheet).arg("album.flac")));
        const SheetReading r = cue::readSheetFile(folder + "/album.cue");
        ASSERT_TRUE(r.ok()) << r.failure.text().toStdString();
        EXPECT_EQ(r.tracks[1].range.start, cue::framesToSamples(558, rate));
        EXPECT_EQ(r.tracks[2].range.end, 20 * rate);
        QByteArray joined;
        for (const SheetTrack &t : r.tracks) {
            const QString output = folder + "/" + t.baseName + ".flac";
            ASSERT_TRUE(cut(t, output));
            const QByteArray pcm = pcmOf(output);
            EXPECT_EQ(samplesIn(pcm), t.range.end - t.range.start) << rate << " Hz, track " << t.number;
            joined += pcm;
        }
        EXPECT_TRUE(joined == pcmOf(image)) << rate << " Hz";
    }
}

} // namespace quavero
