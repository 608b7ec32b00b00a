// SPDX-License-Identifier: GPL-3.0-or-later
// The float WAV stream ffmpeg sends to the meter: its header read from
// pieces of any size, what is refused, and the arguments that ask for it.
#include "QtPrinters.h"
#include "SyntheticAudio.h"

#include "loudness/core/FloatWav.h"
#include "loudness/engine/BackgroundMeter.h"
#include "loudness/engine/StreamMeter.h"

#include <gtest/gtest.h>

namespace quavero {

using State = FloatWavHeader::State;

TEST(StreamHeader, ReadyOnlyOnceTheSamplesBegin)
{
    for (uint16_t tag : {uint16_t(3), uint16_t(0xFFFE)}) {
        const QByteArray header = synth::floatWavHeader(6, 44100, tag);
        for (qsizetype n = 0; n < header.size(); ++n)
            EXPECT_EQ(loudness::readFloatWavHeader(header.left(n)).state, State::NeedMore) << tag << " at " << n;
        const FloatWavHeader h = loudness::readFloatWavHeader(header + QByteArray(10, '\0'));
        EXPECT_EQ(h.state, State::Ready) << tag;
        EXPECT_EQ(h.channels, 6);
        EXPECT_EQ(h.sampleRate, 44100);
        EXPECT_EQ(h.dataOffset, header.size());
    }
}

TEST(StreamHeader, AnythingButFloatSamplesIsRefused)
{
    EXPECT_EQ(loudness::readFloatWavHeader(synth::floatWavHeader(2, 48000, 1, 16)).state, State::Invalid);
    EXPECT_EQ(loudness::readFloatWavHeader(synth::floatWavHeader(2, 48000, 3, 64)).state, State::Invalid);
    EXPECT_EQ(loudness::readFloatWavHeader("fLaC\0\0\0\"").state, State::Invalid);
    EXPECT_EQ(loudness::readFloatWavHeader("RIFF\xff\xff\xff\xffWAVEdata\xff\xff\xff\xff").state, State::Invalid);
    QByteArray huge("RIFF\xff\xff\xff\xffWAVEjunk\x00\x00\x00\x10", 20);
    EXPECT_EQ(loudness::readFloatWavHeader(huge).state, State::Invalid);
}

namespace {
// Feeds the stream in pieces of ever-changing size, a frame split now and then.
template <typename Meter> void feedInPieces(Meter &meter, const QByteArray &stream)
{
    qsizetype at = 0;
    for (qsizetype step = 1; at < stream.size(); step = step * 3 % 8191 + 1) {
        meter.add(stream.mid(at, step));
        at += step;
    }
}
} // namespace

// Header and samples split anywhere, even inside a frame, measure as the
// samples fed at once do.
TEST(StreamHeader, AStreamSplitAnywhereMeasuresAsItsSamples)
{
    const std::vector<float> samples = synth::noise(1.5, 48000, 2, 0.5, 7);
    LoudnessMeter whole(2, 48000);
    whole.addFrames(samples.data(), qint64(samples.size() / 2));
    const QByteArray stream = synth::floatWavHeader(2, 48000) + synth::bytes(samples);

    StreamMeter pieces;
    feedInPieces(pieces, stream);
    const LoudnessMeasurement a = whole.measurement(), b = pieces.measurement();
    ASSERT_TRUE(a.measured());
    EXPECT_EQ(b.status, a.status);
    EXPECT_DOUBLE_EQ(b.lufs, a.lufs);
    EXPECT_DOUBLE_EQ(b.truePeak, a.truePeak);
    EXPECT_DOUBLE_EQ(b.seconds, a.seconds);

    StreamMeter refused;
    refused.add(synth::floatWavHeader(2, 48000, 1, 16) + synth::bytes(samples));
    EXPECT_TRUE(refused.isInvalid());
    EXPECT_EQ(refused.measurement().status, LoudnessMeasurement::Status::Failed);
}

// On its own thread the meter takes the pieces in order and loses none, also
// when its queue is full and the reader has to wait; one that is dropped
// before its stream ends stops without measuring the rest.
TEST(StreamHeader, TheBackgroundMeterMeasuresAsTheMeterDoes)
{
    const std::vector<float> samples = synth::noise(2.0, 44100, 2, 0.3, 11);
    const QByteArray stream = synth::floatWavHeader(2, 44100) + synth::bytes(samples);
    StreamMeter direct;
    direct.add(stream);
    const LoudnessMeasurement expected = direct.measurement();
    ASSERT_TRUE(expected.measured());

    for (qint64 limit : {qint64(1), qint64(4096), BackgroundMeter::kDefaultQueueLimit}) {
        BackgroundMeter background(limit);
        feedInPieces(background, stream);
        StreamMeter &meter = background.finish();
        const LoudnessMeasurement got = meter.measurement();
        EXPECT_EQ(got.status, expected.status) << limit;
        EXPECT_DOUBLE_EQ(got.lufs, expected.lufs) << limit;
        EXPECT_DOUBLE_EQ(got.truePeak, expected.truePeak) << limit;
        EXPECT_DOUBLE_EQ(got.seconds, expected.seconds) << limit;
        EXPECT_EQ(meter.takeMeter().frames(), qint64(samples.size() / 2)) << limit;
    }

    for (int i = 0; i < 20; ++i) {
        BackgroundMeter dropped(4096);
        dropped.add(stream.left(stream.size() / 2)); // destroyed here, its queue unmeasured
    }
}

TEST(StreamHeader, ArgumentsAskForThatStream)
{
    EXPECT_EQ(loudness::meterOutputArguments("meter"),
              QStringList({"-map", "[meter]", "-c:a", "pcm_f32le", "-f", "wav", "pipe:1"}));
    const QStringList decode = loudness::decodeArguments("/music/-x: y.flac");
    EXPECT_EQ(decode.mid(decode.indexOf("-i"), 4), QStringList({"-i", "file:/music/-x: y.flac", "-map", "0:a:0"}));
    EXPECT_EQ(decode.mid(decode.size() - 5), loudness::meterOutputArguments("x").mid(2));
}

} // namespace quavero
