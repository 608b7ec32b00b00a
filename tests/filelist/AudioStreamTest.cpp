// SPDX-License-Identifier: GPL-3.0-or-later
// The audio stream read from ffmpeg's report: codec, rate, channels and sample
// size from the lines ffmpeg 5.1 prints for the kinds of input the list takes.
#include "QtPrinters.h"
#include "filelist/core/AudioStream.h"

#include <gtest/gtest.h>

namespace quavero {

namespace {
struct Line {
    const char *line;
    const char *codec;
    int rate;
    int channels;
    int bits;
};

AudioStream read(const QString &line)
{
    return filelist::audioStreamFromReport(QStringLiteral("Input #0, x, from 'a':\n") + line);
}
} // namespace

TEST(AudioStream, EachKindOfStreamLineGivesItsCodecRateChannelsAndSize)
{
    const Line lines[] = {
        {"  Stream #0:0: Audio: flac, 48000 Hz, mono, s32 (24 bit)", "flac", 48000, 1, 24},
        {"  Stream #0:0: Audio: pcm_s16le ([1][0][0][0] / 0x0001), 44100 Hz, 2 channels, s16, 1411 kb/s", "pcm_s16le",
         44100, 2, 16},
        {"  Stream #0:0(und): Audio: aac (LC) (mp4a / 0x6134706D), 22050 Hz, stereo, fltp, 128 kb/s (default)", "aac",
         22050, 2, 0},
        {"  Stream #0:1[0x1c0]: Audio: mp2, 32000 Hz, stereo, s16p, 256 kb/s", "mp2", 32000, 2, 16},
        {"  Stream #0:0: Audio: pcm_s24le, 96000 Hz, 5.1(side), s32 (24 bit), 13824 kb/s", "pcm_s24le", 96000, 6, 24},
        {"  Stream #0:0: Audio: pcm_f32le, 44100 Hz, 3 channels (FL+FR+LFE), flt, 4233 kb/s", "pcm_f32le", 44100, 3, 32},
        {"  Stream #0:0: Audio: pcm_u8, 8000 Hz, mono, u8, 64 kb/s", "pcm_u8", 8000, 1, 8},
        {"  Stream #0:0: Audio: opus, 48000 Hz, stereo, fltp", "opus", 48000, 2, 0},
        {"  Stream #0:0: Audio: dsd_lsbf_planar, 352800 Hz, stereo, fltp, 5644 kb/s", "dsd_lsbf_planar", 352800, 2, 0},
        {"  Stream #0:0: Audio: alac (alac / 0x63616C61), 44100 Hz, 7.1, s32p (24 bit), 3000 kb/s (default)", "alac",
         44100, 8, 24},
    };
    for (const Line &l : lines) {
        const AudioStream s = read(QString::fromUtf8(l.line));
        EXPECT_TRUE(s.known()) << l.line;
        EXPECT_EQ(s.codec, QString::fromUtf8(l.codec)) << l.line;
        EXPECT_EQ(s.sampleRate, l.rate) << l.line;
        EXPECT_EQ(s.channels, l.channels) << l.line;
        EXPECT_EQ(s.bitsPerSample, l.bits) << l.line;
        EXPECT_EQ(s.audioStreams, 1) << l.line;
        EXPECT_FALSE(s.motionVideo) << l.line;
    }
}

TEST(AudioStream, AVideoFileGivesItsFirstAudioStreamAndSaysItHoldsVideo)
{
    const AudioStream s =
        read("  Stream #0:0(und): Video: h264 (High) (avc1 / 0x31637661), yuv420p, 320x240, 25 fps (default)\n"
             "    Metadata:\n      handler_name    : Audio: not this one, 8000 Hz, mono\n"
             "  Stream #0:1(eng): Audio: aac (LC), 44100 Hz, mono, fltp, 69 kb/s (default)\n"
             "  Stream #0:2(ger): Audio: ac3, 48000 Hz, 5.1(side), fltp, 384 kb/s\n");
    EXPECT_EQ(s.codec, "aac");
    EXPECT_EQ(s.sampleRate, 44100);
    EXPECT_EQ(s.channels, 1);
    EXPECT_EQ(s.audioStreams, 2);
    EXPECT_TRUE(s.motionVideo);
}

TEST(AudioStream, ACoverPictureIsNoVideoAndAReportWithoutAudioIsUnknown)
{
    const AudioStream cover =
        read("  Stream #0:0: Audio: mp3, 44100 Hz, stereo, fltp, 128 kb/s\n"
             "  Stream #0:1: Video: mjpeg (Baseline), yuvj420p(pc, bt470bg/unknown/unknown), 600x600 [SAR 1:1 DAR "
             "1:1], 90k tbr, 90k tbn (attached pic)\n");
    EXPECT_TRUE(cover.known());
    EXPECT_FALSE(cover.motionVideo);

    EXPECT_FALSE(read("a.wav: Invalid data found when processing input\n").known());
    EXPECT_FALSE(filelist::audioStreamFromReport(QString()).known());
    // A tag value that looks like a stream line is indented under Metadata but
    // does not start with "Stream #".
    EXPECT_FALSE(read("    title           : Stream #0:0: Audio: flac, 48000 Hz, mono, s16\n").known());
}

TEST(AudioStream, LayoutNames)
{
    EXPECT_EQ(filelist::channelsOfLayout("mono"), 1);
    EXPECT_EQ(filelist::channelsOfLayout("quad(side)"), 4);
    EXPECT_EQ(filelist::channelsOfLayout("7.1(wide-side)"), 8);
    EXPECT_EQ(filelist::channelsOfLayout("12 channels"), 12);
    EXPECT_EQ(filelist::channelsOfLayout("s16"), 0);
    EXPECT_EQ(filelist::channelsOfLayout("channels"), 0);
}

} // namespace quavero
