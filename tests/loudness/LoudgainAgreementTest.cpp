// SPDX-License-Identifier: GPL-3.0-or-later
// Our measurement of converted files against loudgain, a reference scanner
// we did not write: gains within 0.1 dB, true peaks within 0.005, for tracks
// of pink noise, a tone and speech in several formats, and for an album.
#include "QtPrinters.h"
#include "ReferenceTools.h"
#include "TestApp.h"

#include "loudness/core/Gains.h"
#include "loudness/engine/AlbumMeter.h"
#include "loudness/engine/FileMeasure.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cstdio>

namespace quavero {

namespace {
// Set QUAVERO_LOUDNESS_TABLE=1 to print each comparison.
void printRow(const QString &file, double gain, const LoudnessMeasurement &ours, const reference::LoudgainRow &theirs)
{
    if (qEnvironmentVariableIsEmpty("QUAVERO_LOUDNESS_TABLE"))
        return;
    std::printf("| %s | %.2f dB | %.6f | %.2f dB | %.6f | %.3f dB | %.6f |\n", qPrintable(file), gain, ours.truePeak,
                theirs.gainDb, theirs.truePeak, gain - theirs.gainDb, ours.truePeak - theirs.truePeak);
}

class LoudgainAgreement : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = testenv::freshFolder("loudgain");
        pink = reference::pinkNoise(folder + "/pink.wav", 8, 0.5);
        tone = reference::tone(folder + "/tone.wav", 6, 0.3);
        speech = reference::speech(folder + "/speech.wav");
        ASSERT_FALSE(pink.isEmpty() || tone.isEmpty() || speech.isEmpty());
    }

    QString encode(const QString &source, const QString &extension)
    {
        const QString out = QFileInfo(source).path() + "/" + QFileInfo(source).completeBaseName() + extension;
        return reference::ffmpeg({"-i", source, out}) ? out : QString();
    }

    QString folder, pink, tone, speech;
};
} // namespace

TEST_F(LoudgainAgreement, TracksInEachFormat)
{
    QStringList outputs;
    for (const QString &source : {pink, tone, speech})
        for (const char *extension : {".flac", ".mp3", ".ogg", ".m4a", ".wma", ".opus"})
            outputs << encode(source, extension);
    ASSERT_FALSE(outputs.contains(QString()));
    const QList<reference::LoudgainRow> rows = reference::loudgain(outputs);
    ASSERT_EQ(rows.size(), outputs.size());
    for (int i = 0; i < outputs.size(); ++i) {
        const FileMeasure ours = loudness::measureFile(testenv::ffmpeg(), outputs.at(i));
        ASSERT_TRUE(ours.error.isEmpty()) << ours.error.toStdString() << ours.details.toStdString();
        ASSERT_TRUE(ours.measurement.measured()) << outputs.at(i).toStdString();
        // loudgain gives an Opus file's gain to the Opus reference, -23 LUFS.
        const bool opus = outputs.at(i).endsWith(".opus");
        const double gain = (opus ? loudness::kOpusReference : loudness::kReplayGainReference) - ours.measurement.lufs;
        EXPECT_NEAR(gain, rows.at(i).gainDb, 0.1) << outputs.at(i).toStdString();
        EXPECT_NEAR(ours.measurement.truePeak, rows.at(i).truePeak, 0.005) << outputs.at(i).toStdString();
        printRow(QFileInfo(outputs.at(i)).fileName(), gain, ours.measurement, rows.at(i));
    }
}

TEST_F(LoudgainAgreement, AlbumOfThreeTracks)
{
    const QStringList tracks{encode(pink, ".flac"), encode(tone, ".flac"), encode(speech, ".flac")};
    ASSERT_FALSE(tracks.contains(QString()));
    const QList<reference::LoudgainRow> rows = reference::loudgain(tracks, true);
    ASSERT_EQ(rows.size(), 4);
    AlbumMeter album;
    double averageOfTracks = 0;
    for (const QString &track : tracks) {
        FileMeasure m = loudness::measureFile(testenv::ffmpeg(), track);
        ASSERT_TRUE(m.measurement.measured()) << track.toStdString();
        averageOfTracks += m.measurement.lufs / 3;
        album.addTrack(std::move(m.meter));
    }
    const LoudnessMeasurement ours = album.measurement();
    ASSERT_TRUE(ours.measured());
    EXPECT_NEAR(loudness::replayGainDb(ours.lufs), rows.last().gainDb, 0.1);
    EXPECT_NEAR(ours.truePeak, rows.last().truePeak, 0.005);
    // The tracks differ enough that an average would be caught.
    EXPECT_GT(std::abs(ours.lufs - averageOfTracks), 0.2);
    printRow(QStringLiteral("album of three"), loudness::replayGainDb(ours.lufs), ours, rows.last());
}

TEST_F(LoudgainAgreement, TooShortAndSilentFiles)
{
    const QString shortTone = reference::tone(folder + "/short.flac", 0.3, 0.3);
    const QString quiet = reference::silence(folder + "/silent.flac", 3);
    ASSERT_FALSE(shortTone.isEmpty() || quiet.isEmpty());
    EXPECT_EQ(loudness::measureFile(testenv::ffmpeg(), shortTone).measurement.status,
              LoudnessMeasurement::Status::TooShort);
    EXPECT_EQ(loudness::measureFile(testenv::ffmpeg(), quiet).measurement.status, LoudnessMeasurement::Status::Silent);
}

TEST_F(LoudgainAgreement, FileThatIsNoAudioIsReported)
{
    QFile text(folder + "/notes.flac");
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("these are not samples");
    text.close();
    const FileMeasure m = loudness::measureFile(testenv::ffmpeg(), text.fileName());
    EXPECT_EQ(m.measurement.status, LoudnessMeasurement::Status::Failed);
    EXPECT_TRUE(m.error.contains("could not be decoded")) << m.error.toStdString();
    EXPECT_FALSE(m.details.isEmpty());
    const FileMeasure noProgram = loudness::measureFile(folder + "/no-ffmpeg", pink);
    EXPECT_TRUE(noProgram.error.contains("could not be started")) << noProgram.error.toStdString();
}

} // namespace quavero
