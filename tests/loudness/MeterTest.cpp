// SPDX-License-Identifier: GPL-3.0-or-later
// The meter on audio made in memory: the EBU's reference level, pieces of
// any size, too short and silent, and albums from all their tracks' blocks
// in little memory.
#include "QtPrinters.h"
#include "SyntheticAudio.h"

#include "loudness/engine/AlbumMeter.h"
#include "loudness/engine/AlbumSet.h"

#include <gtest/gtest.h>

#include <malloc.h>

namespace quavero {

using Status = LoudnessMeasurement::Status;

namespace {
LoudnessMeter meterOf(const std::vector<float> &samples, int channels, int rate)
{
    LoudnessMeter meter(channels, rate);
    meter.addFrames(samples.data(), qint64(samples.size()) / channels);
    return meter;
}

LoudnessMeasurement measure(const std::vector<float> &samples, int channels, int rate)
{
    return meterOf(samples, channels, rate).measurement();
}

std::vector<float> joined(std::vector<float> a, const std::vector<float> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
} // namespace

// EBU Tech 3341, case 1: a stereo 1 kHz sine at -23 dBFS is -23.0 LUFS.
TEST(Meter, ReferenceSineMeasuresMinus23)
{
    const double amplitude = std::pow(10.0, -23.0 / 20.0);
    const LoudnessMeasurement m = measure(synth::tone(20, 48000, 2, amplitude, 1000), 2, 48000);
    ASSERT_EQ(m.status, Status::Measured);
    EXPECT_NEAR(m.lufs, -23.0, 0.1);
    EXPECT_NEAR(m.samplePeak, amplitude, 1e-4);
    EXPECT_NEAR(m.truePeak, amplitude, amplitude * 0.01);
    EXPECT_DOUBLE_EQ(m.seconds, 20.0);
}

// Frames split between pieces are carried over: any cut gives the same result.
TEST(Meter, PiecesOfAnySizeMeasureAsOne)
{
    const std::vector<float> samples = synth::noise(2.0, 44100, 3, 0.7, 11);
    const LoudnessMeasurement whole = measure(samples, 3, 44100);
    const QByteArray bytes = synth::bytes(samples);
    for (qsizetype step : {1, 5, 12, 4097, 65537}) {
        LoudnessMeter meter(3, 44100);
        for (qsizetype at = 0; at < bytes.size(); at += step)
            meter.addBytes(bytes.constData() + at, std::min(step, bytes.size() - at));
        const LoudnessMeasurement m = meter.measurement();
        EXPECT_EQ(meter.frames(), qint64(samples.size() / 3)) << step;
        EXPECT_DOUBLE_EQ(m.lufs, whole.lufs) << step;
        EXPECT_DOUBLE_EQ(m.truePeak, whole.truePeak) << step;
        EXPECT_DOUBLE_EQ(m.samplePeak, whole.samplePeak) << step;
    }
}

// An inter-sample peak: a sine at a quarter of the rate, sampled between its
// crests, has samples of 0.707 and a true peak of 1.0.
TEST(Meter, TruePeakSeesBetweenTheSamples)
{
    std::vector<float> samples(48000);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = float(std::sin(M_PI / 2 * double(i) + M_PI / 4));
    const LoudnessMeasurement m = measure(samples, 1, 48000);
    EXPECT_NEAR(m.samplePeak, 0.7071, 1e-3);
    EXPECT_GT(m.truePeak, 0.95);
}

TEST(Meter, TooShortSilentAndUnmeasurable)
{
    EXPECT_EQ(measure(synth::tone(0.39, 44100, 2, 0.5), 2, 44100).status, Status::TooShort);
    EXPECT_EQ(measure(synth::tone(0.41, 44100, 2, 0.5), 2, 44100).status, Status::Measured);
    EXPECT_EQ(measure(std::vector<float>(2 * 96000, 0.0f), 2, 48000).status, Status::Silent);
    EXPECT_EQ(measure(synth::tone(3, 48000, 2, 1e-4), 2, 48000).status, Status::Silent); // -80 dBFS
    LoudnessMeter nothing(0, 48000);
    EXPECT_FALSE(nothing.isValid());
    EXPECT_EQ(nothing.measurement().status, Status::Failed);
    EXPECT_FALSE(LoudnessMeter(2, 0).isValid());
}

// The album is gated as one programme: a loud and a quiet track give the
// loudness of the two played in a row, not the average of their loudness.
TEST(Meter, AlbumLoudnessComesFromAllBlocksTogether)
{
    const std::vector<float> loud = synth::noise(10, 48000, 2, 0.3, 3);
    // 8 dB quieter: within the relative gate, so both tracks count.
    const std::vector<float> quiet = synth::noise(10, 48000, 2, 0.12, 4);
    const LoudnessMeasurement a = measure(loud, 2, 48000), b = measure(quiet, 2, 48000);
    const LoudnessMeasurement inRow = measure(joined(loud, quiet), 2, 48000);

    AlbumMeter album;
    album.addTrack(meterOf(loud, 2, 48000));
    album.addTrack(meterOf(quiet, 2, 48000));
    const LoudnessMeasurement m = album.measurement();
    ASSERT_EQ(m.status, Status::Measured);
    EXPECT_EQ(album.trackCount(), 2);
    EXPECT_NEAR(m.lufs, inRow.lufs, 0.05);
    EXPECT_GT(std::abs(m.lufs - (a.lufs + b.lufs) / 2), 1.0);
    EXPECT_DOUBLE_EQ(m.truePeak, std::max(a.truePeak, b.truePeak));
    EXPECT_DOUBLE_EQ(m.seconds, 20.0);
}

// Tracks of other rates and channel counts share an album; a track that
// measured nothing adds nothing; an album of only silence is silent.
TEST(Meter, AlbumOfMixedTracks)
{
    AlbumMeter album;
    album.addTrack(meterOf(synth::noise(4, 44100, 1, 0.2, 5), 1, 44100));
    album.addTrack(meterOf(synth::noise(4, 96000, 6, 0.2, 6), 6, 96000));
    album.addTrack(LoudnessMeter(0, 0));
    EXPECT_EQ(album.trackCount(), 2);
    EXPECT_EQ(album.measurement().status, Status::Measured);

    AlbumMeter silent;
    silent.addTrack(meterOf(std::vector<float>(96000, 0.0f), 2, 48000));
    EXPECT_EQ(silent.measurement().status, Status::Silent);
    AlbumMeter empty;
    EXPECT_EQ(empty.measurement().status, Status::Failed);
}

// A finished track keeps its gating blocks and little else: the meter of a
// stereo track at 48 kHz with true peak holds about a megabyte while it runs.
TEST(Meter, AlbumKeepsOnlyTheBlocks)
{
    const std::vector<float> samples = synth::noise(2, 48000, 2, 0.3, 9);
    AlbumMeter album;
    const size_t before = mallinfo2().uordblks;
    for (int track = 0; track < 20; ++track)
        album.addTrack(meterOf(samples, 2, 48000));
    const size_t grown = mallinfo2().uordblks - before;
    EXPECT_LT(grown, size_t(20 * 16 * 1024)) << grown << " bytes for 20 tracks of 2 s";
    EXPECT_EQ(album.measurement().status, Status::Measured);
    EXPECT_NEAR(album.measurement().lufs, measure(samples, 2, 48000).lufs, 0.01);
}

TEST(Meter, AlbumSetHandsOverEachAlbumWhenItsLastEntryEnds)
{
    const std::vector<float> music = synth::noise(2, 48000, 2, 0.3, 2);
    AlbumSet albums;
    for (const char *key : {"a", "a", "a", "b", ""})
        albums.expect(key);
    EXPECT_EQ(albums.openAlbums(), 2);
    EXPECT_FALSE(albums.trackDone("a", "/out/1.flac", meterOf(music, 2, 48000)));
    EXPECT_FALSE(albums.trackDone("a", "/out/2.flac", meterOf(std::vector<float>(96000, 0.0f), 2, 48000)));
    EXPECT_FALSE(albums.trackDone("", "/out/x.flac", meterOf(music, 2, 48000))); // no album
    const std::optional<FinishedAlbum> a = albums.trackDropped("a");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->files, QStringList{"/out/1.flac"}); // the silent track gets no album pair
    EXPECT_EQ(a->measurement.status, Status::Measured);
    const std::optional<FinishedAlbum> b = albums.trackDone("b", "/out/3.flac", meterOf(music, 2, 48000));
    ASSERT_TRUE(b);
    EXPECT_EQ(b->files, QStringList{"/out/3.flac"});
    EXPECT_EQ(albums.openAlbums(), 0);
    EXPECT_FALSE(albums.trackDropped("a")); // already handed over
}

} // namespace quavero
