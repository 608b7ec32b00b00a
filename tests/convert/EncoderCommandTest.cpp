// SPDX-License-Identifier: GPL-3.0-or-later
// The ffmpeg command of one entry: vectors per format, paths, effects flag.
#include "EntryFromPath.h"
#include "QtPrinters.h"
#include "convert/core/EncoderCommand.h"
#include "formats/core/FormatTable.h"

#include <gtest/gtest.h>

namespace quavero {

namespace {
const QString kWork = QStringLiteral("/work");

EncoderCommand buildFor(int format, const QString &input, const FormatRecords &records = startRecords(),
                        const QString &destination = QStringLiteral("/out"))
{
    return encoder::build(format, testentries::entryFor(input), destination, kWork, records);
}
} // namespace

TEST(EncoderCommand, Mp3VariableBitrate)
{
    FormatRecords r = startRecords();
    r.m_AF_MP3.setB_VBR(1);
    r.m_AF_MP3.setI_VBR_Quality(4);
    r.m_AF_MP3.setI_SampleRate(6);
    r.m_AF_MP3.setI_Volume(0);
    r.m_AF_MP3.setI_Channels(1);
    const EncoderCommand c = buildFor(8, "/music/a b.wav", r);
    EXPECT_EQ(c.arguments, QStringList({"-i", "file:///music/a b.wav", "-codec:a", "libmp3lame", "-qscale:a", "4",
                                        "-ar", "44100", "-ac", "2", "/out/a b.mp3"}));
    EXPECT_FALSE(c.effects);
    EXPECT_EQ(c.finalPath, "/out/a b.mp3");
    EXPECT_EQ(c.ffmpegOutputPath, c.finalPath);
}

TEST(EncoderCommand, Mp3ConstantBitrateWithVolumeAsFactor)
{
    FormatRecords r = startRecords();
    r.m_AF_MP3.setB_VBR(0);
    r.m_AF_MP3.setI_CBR_Bitrate(10);
    r.m_AF_MP3.setI_Volume(5);
    EXPECT_EQ(buildFor(8, "/music/a b.wav", r).arguments,
              QStringList({"-i", "file:///music/a b.wav", "-codec:a", "libmp3lame", "-b:a", "128k", "-ar", "44100",
                           "-af", "volume=0.585938", "-ac", "2", "/out/a b.mp3"}));
    r.m_AF_MP3.setI_Volume(8);
    EXPECT_TRUE(buildFor(8, "/music/a.wav", r).arguments.contains("volume=0"));
    r.m_AF_MP3.setI_CBR_Bitrate(15);
    EXPECT_TRUE(buildFor(8, "/music/a.wav", r).arguments.contains("320k"));
}

TEST(EncoderCommand, Ac3)
{
    EXPECT_EQ(buildFor(0, "/music/song.wav").arguments,
              QStringList({"-i", "file:///music/song.wav", "-acodec", "ac3", "-vn", "/out/song.ac3"}));
}

TEST(EncoderCommand, WavGoesThroughTheWorkFolderEvenWithNeutralEffects)
{
    FormatRecords r = startRecords();
    r.m_AF_WAV.setI_Format(1);
    r.m_AF_WAV.setI_Samplerate(6);
    r.m_AF_WAV.setI_Channels(0);
    const EncoderCommand c = buildFor(12, "/music/song.wav", r);
    EXPECT_EQ(c.arguments, QStringList({"-i", "file:///music/song.wav", "-acodec", "pcm_s16le", "-ar", "44100", "-ac",
                                        "1", "-vn", "/work/song001.wav"}));
    EXPECT_TRUE(c.effects);
    EXPECT_EQ(c.ffmpegOutputPath, "/work/song001.wav");
    EXPECT_EQ(c.finalPath, "/out/song.wav");
}

TEST(EncoderCommand, AiffFamilyIsBuiltAlikeAndOnlyUncompressedTakesEffects)
{
    FormatRecords r = startRecords();
    r.m_AF_AIFF.setI_Format(0);
    for (int format : {1, 2, 3}) {
        const EncoderCommand c = buildFor(format, "/music/song.wav", r);
        EXPECT_EQ(c.arguments, QStringList({"-i", "file:///music/song.wav", "-f", "aiff", "-ab", "48k", "-ar", "22050",
                                            "-ac", "2", "-codec:a", "pcm_alaw", "-vn", "/out/song.aif"}))
            << format;
        EXPECT_FALSE(c.effects);
    }
    r.m_AF_AIFF.setI_Format(1);
    EXPECT_TRUE(buildFor(2, "/music/song.wav", r).arguments.contains("pcm_mulaw"));
    r.m_AF_AIFF.setI_Format(2);
    const EncoderCommand c = buildFor(3, "/music/song.wav", r);
    EXPECT_FALSE(c.arguments.contains("-codec:a"));
    EXPECT_TRUE(c.effects);
    EXPECT_EQ(c.ffmpegOutputPath, "/work/song001.aif");
    EXPECT_EQ(c.arguments.last(), "/work/song001.aif");
}

TEST(EncoderCommand, OggConstantBitrateGoesStraightToTheFinalPath)
{
    FormatRecords r = startRecords();
    r.m_AF_OGG.setB_VBR(0);
    r.m_AF_OGG.setF_Speed(2.0f);
    r.m_AF_OGG.setI_Gain(5);
    const EncoderCommand c = buildFor(9, "/music/a.wav", r);
    EXPECT_EQ(c.arguments, QStringList({"-i", "file:///music/a.wav", "-c:a", "libvorbis", "-b:a", "40k", "-ac", "2",
                                        "-vn", "/out/a.ogg"}));
    EXPECT_FALSE(c.effects);
    r.m_AF_OGG.setB_VBR(1);
    const EncoderCommand vbr = buildFor(9, "/music/a.wav", r);
    EXPECT_TRUE(vbr.effects);
    EXPECT_EQ(vbr.arguments.mid(2, 4), QStringList({"-c:a", "libvorbis", "-qscale:a", "4"}));
}

TEST(EncoderCommand, SpeexModes)
{
    FormatRecords r = startRecords();
    const QString out = "/out/a.spx";
    r.m_AF_SPX.setI_Quality_VBR_CBR(0);
    EXPECT_EQ(buildFor(11, "/music/a.wav", r).arguments.mid(2), QStringList({"-qscale:a", "4", "-vn", out}));
    r.m_AF_SPX.setI_Quality_VBR_CBR(1);
    r.m_AF_SPX.setI_CBR_Bitrate(0);
    EXPECT_EQ(buildFor(11, "/music/a.wav", r).arguments.mid(2), QStringList({"-ar", "8k", "-vn", out}));
    r.m_AF_SPX.setI_Quality_VBR_CBR(2);
    r.m_AF_SPX.setI_VBR_Bitrate(1);
    EXPECT_EQ(buildFor(11, "/music/a.wav", r).arguments.mid(2), QStringList({"-ab", "16k", "-vbr", "on", "-vn", out}));
}

// The format arguments of every other format with the start values.
TEST(EncoderCommand, StartValueVectorsOfTheRemainingFormats)
{
    const struct {
        int format;
        QStringList arguments;
    } cases[] = {
        {4, {"-ar", "8000", "-ac", "1", "-ab", "4.75k", "-vn", "/out/a.amr"}},
        {5, {"-ar", "6000", "-ac", "2", "-codec:a", "pcm_s16be", "-vn", "/work/a001.au"}},
        {6, {"-ar", "22050", "-ac", "2", "-codec:a", "pcm_s16be", "-vn", "/out/a.caf"}},
        {7, {"-ar", "22050", "-ac", "2", "-acodec", "flac", "-compression_level", "4", "-vn", "/work/a001.flac"}},
        {10, {"-f", "s8", "-acodec", "pcm_s8", "-ar", "22050", "-ac", "2", "-vn", "/out/a.raw"}},
        {13, {"-codec:a", "wmav1", "-ar", "11025", "-ac", "2", "-vn", "/out/a.wma"}},
        {14, {"-ab", "48k", "-ar", "22050", "-ac", "2", "-vn", "/out/a.m4a"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(buildFor(c.format, "/music/a.wav").arguments.mid(2), c.arguments) << c.format;
}

// Positions send what their labels show.
TEST(EncoderCommand, BitrateListsSendTheirLabels)
{
    FormatRecords r = startRecords();
    const struct {
        qint64 position;
        const char *value;
    } kilobits[] = {{4, "48k"}, {5, "56k"}, {11, "144k"}, {13, "192k"}, {15, "256k"}};
    for (const auto &k : kilobits) {
        r.m_AF_AIFF.setI_Bitrate(k.position);
        r.m_AF_M4A.setI_Bitrate(k.position);
        EXPECT_EQ(buildFor(2, "/m/a.wav", r).arguments.at(5), k.value) << k.position;
        EXPECT_EQ(buildFor(14, "/m/a.wav", r).arguments.at(3), k.value) << k.position;
    }
    r.m_AF_OGG.setB_VBR(0);
    for (const auto &[position, value] : {std::pair{4, "40k"}, {8, "96k"}, {15, "320k"}}) {
        r.m_AF_OGG.setI_CBR_Bitrate(position);
        EXPECT_EQ(buildFor(9, "/m/a.wav", r).arguments.at(5), value) << position;
    }
}

// The tag-copy step brings the pictures into the other formats.
TEST(EncoderCommand, OnlyMp3KeepsTheCoverFfmpegCopies)
{
    FormatRecords r = startRecords();
    for (int format = 0; format < formats::kCount; ++format) {
        const QStringList a = buildFor(format, "/m/a.wav", r).arguments;
        const bool keeps = format == 8;
        EXPECT_EQ(a.contains("-vn"), !keeps) << format;
        if (!keeps) {
            EXPECT_EQ(a.at(a.size() - 2), "-vn") << format;
        }
    }
}

TEST(EncoderCommand, PercentInFileNameIsKeptInInputAndOutput)
{
    const EncoderCommand c = buildFor(8, "/music/100% live.wav");
    EXPECT_EQ(c.arguments.at(1), "file:///music/100% live.wav");
    EXPECT_EQ(c.finalPath, "/out/100% live.mp3");
    EXPECT_EQ(buildFor(8, "/music/#1 ?.wav").arguments.at(1), "file:///music/#1 ?.wav");
}

TEST(EncoderCommand, FolderEndingInSeparatorGivesDoubledSeparator)
{
    EXPECT_EQ(buildFor(8, "/music/a.wav", startRecords(), "/out/").finalPath, "/out//a.mp3");
    EXPECT_EQ(encoder::intermediatePath("/work/", "a", ".wav"), "/work//a001.wav");
}

TEST(EncoderCommand, EntriesSharingABaseNameShareTheFinalPath)
{
    EXPECT_EQ(buildFor(8, "/music/a.wav").finalPath, buildFor(8, "/other/a.flac").finalPath);
}

TEST(EncoderCommand, UnknownFormatIsInvalid)
{
    EXPECT_FALSE(buildFor(formats::kCount, "/m/a.wav").valid);
    EXPECT_FALSE(buildFor(-1, "/m/a.wav").valid);
}

TEST(EncoderCommand, EntryWithoutUrlUsesItsPath)
{
    NodeVideoFile e;
    e.setS_File_Path("/m/a b.wav");
    e.setS_File_Name_Without_Extension("a b");
    EXPECT_EQ(encoder::inputText(e), "file:///m/a b.wav");
}

} // namespace quavero
