// SPDX-License-Identifier: GPL-3.0-or-later
// "Same as input" within each format's limits, the Opus and Apple Lossless
// arguments, which streams an output takes, and which entries the plan must
// probe before it can write their arguments.
#include "EntryFromPath.h"
#include "QtPrinters.h"
#include "convert/core/EncoderCommand.h"
#include "convert/core/SameAsInput.h"
#include "convert/core/RunPlanner.h"
#include "formats/core/FormatLimits.h"
#include "formats/core/FormatTable.h"
#include "formats/core/OptionFields.h"

#include <gtest/gtest.h>

namespace quavero {

namespace {
AudioStream streamOf(const char *codec, int rate, int channels, int bits, bool film = false, int audioStreams = 1)
{
    AudioStream s;
    s.codec = QString::fromLatin1(codec);
    s.sampleRate = rate;
    s.channels = channels;
    s.bitsPerSample = bits;
    s.motionVideo = film;
    s.audioStreams = audioStreams;
    return s;
}

NodeVideoFile entryWith(const QString &path, const AudioStream &stream)
{
    NodeVideoFile e = testentries::entryFor(path);
    e.setS_File_Extension(QFileInfo(path).suffix());
    e.setM_Audio_Stream(stream);
    return e;
}

int index(const char *name) { return formats::indexFromName(QLatin1String(name)); }

QStringList argumentsFor(const char *format, const NodeVideoFile &entry, const FormatRecords &records)
{
    return encoder::build(index(format), entry, "/out", "/work", records).arguments;
}

// The value after option in the vector; empty when the option is absent.
QString valueOf(const QStringList &arguments, const char *option)
{
    const qsizetype at = arguments.indexOf(QLatin1String(option));
    return at < 0 ? QString() : arguments.value(at + 1);
}
} // namespace

TEST(SameAsInput, A48kMono24BitInputKeepsItsValuesWithinEachFormat)
{
    const NodeVideoFile deep = entryWith("/music/deep.flac", streamOf("flac", 48000, 1, 24));
    const FormatRecords same = commandLineRecords();

    const QStringList flac = argumentsFor("flac", deep, same);
    EXPECT_EQ(valueOf(flac, "-ar"), "48000");
    EXPECT_EQ(valueOf(flac, "-ac"), "1");
    const QStringList wav = argumentsFor("wav", deep, same);
    EXPECT_EQ(valueOf(wav, "-acodec"), "pcm_s24le");
    EXPECT_EQ(valueOf(wav, "-ar"), "48000");
    EXPECT_EQ(valueOf(wav, "-ac"), "1");
    const QStringList mp3 = argumentsFor("mp3", deep, same);
    EXPECT_EQ(valueOf(mp3, "-ar"), "48000");
    EXPECT_EQ(valueOf(mp3, "-ac"), "1");
    // CAF has 16 and 32 bits: 24 bits go into 32, never into fewer.
    EXPECT_EQ(valueOf(argumentsFor("caf", deep, same), "-codec:a"), "pcm_s32be");

    // Beyond a format's limits the nearest value it takes.
    const NodeVideoFile big = entryWith("/music/big.wav", streamOf("pcm_s32le", 96000, 6, 32));
    const QStringList bigMp3 = argumentsFor("mp3", big, same);
    EXPECT_EQ(valueOf(bigMp3, "-ar"), "48000");
    EXPECT_EQ(valueOf(bigMp3, "-ac"), "2");
    EXPECT_EQ(valueOf(argumentsFor("wma", big, same), "-ar"), "48000");
    EXPECT_EQ(valueOf(argumentsFor("m4a", big, same), "-ar"), "96000");
    EXPECT_EQ(valueOf(argumentsFor("flac", big, same), "-ac"), "6");
    EXPECT_EQ(valueOf(argumentsFor("wav", big, same), "-acodec"), "pcm_s32le");
    const QStringList amr = argumentsFor("amr", big, same);
    EXPECT_EQ(valueOf(amr, "-ar"), "8000");
    EXPECT_EQ(valueOf(amr, "-ac"), "1");
    // An odd rate becomes the nearest MP3 rate.
    EXPECT_EQ(valueOf(argumentsFor("mp3", entryWith("/a.wav", streamOf("pcm_s16le", 11000, 1, 16)), same), "-ar"),
              "11025");
}

TEST(SameAsInput, ALossyOrUnknownInputGivesSixteenBitsAndLeavesRateAndChannelsToFfmpeg)
{
    const FormatRecords same = commandLineRecords();
    const QStringList lossy = argumentsFor("wav", entryWith("/a.mp3", streamOf("mp3", 44100, 2, 0)), same);
    EXPECT_EQ(valueOf(lossy, "-acodec"), "pcm_s16le");
    const QStringList unknown = argumentsFor("wav", entryWith("/a.wav", AudioStream()), same);
    EXPECT_EQ(valueOf(unknown, "-acodec"), "pcm_s16le");
    EXPECT_FALSE(unknown.contains("-ar"));
    EXPECT_FALSE(unknown.contains("-ac"));
    EXPECT_EQ(sameinput::inputBits(streamOf("dsd_lsbf_planar", 2822400, 2, 0)), 24);
    EXPECT_EQ(sameinput::pcmCodec(labels::wavFormats(), 4, streamOf("pcm_u8", 8000, 1, 8)), "pcm_u8");
    EXPECT_EQ(sameinput::pcmCodec(labels::wavFormats(), 4, streamOf("pcm_s64le", 8000, 1, 64)), "pcm_s32le");
}

TEST(SameAsInput, TheWindowKeepsItsStartValuesAndTheCommandLineKeepsTheInputs)
{
    const FormatRecords start = startRecords();
    EXPECT_EQ(labels::sampleRates().label(start.m_AF_FLAC.i_Samplerate()), "22050");
    EXPECT_EQ(labels::channels().label(start.m_AF_FLAC.i_Channels()), "Stereo");
    const FormatRecords line = commandLineRecords();
    // Every rate, channels and sample-size list, and only those, is "Same as input".
    int same = 0;
    for (const OutputFormat &format : formats::all())
        for (const OptionField &field : options::fieldsOf(format.record)) {
            if (!field.choices)
                continue;
            const qint64 position = qint64(field.get(line));
            if (field.choices->fromInputPosition() >= 0) {
                EXPECT_TRUE(field.choices->fromInput(position))
                    << format.item.toStdString() << " " << field.name.toStdString();
                ++same;
            } else {
                EXPECT_EQ(position, qint64(field.get(start)))
                    << format.item.toStdString() << " " << field.name.toStdString();
            }
        }
    EXPECT_GE(same, 20);
    // Appended: the positions stored before keep their labels.
    EXPECT_EQ(labels::sampleRates().label(11), "192000");
    EXPECT_EQ(labels::sampleRates().label(12), "Same as input");
    EXPECT_EQ(labels::shortSampleRates().label(7), "Same as input");
    EXPECT_EQ(labels::channels().label(2), "Same as input");
    EXPECT_EQ(labels::wavFormats().label(3), "PCM 32");
}

TEST(FormatLimits, RatesAndChannelsEachFormatTakes)
{
    const FormatRecords r = startRecords();
    const FormatLimits mp3 = formats::limitsFor(index("mp3"), r);
    EXPECT_TRUE(mp3.takesRate(44100));
    EXPECT_FALSE(mp3.takesRate(96000));
    EXPECT_EQ(mp3.rateFor(96000), 48000);
    EXPECT_EQ(mp3.rateFor(6000), 8000);
    EXPECT_EQ(mp3.channelsFor(6), 2);
    EXPECT_EQ(formats::limitsFor(index("opus"), r).rateFor(44100), 48000);
    EXPECT_EQ(formats::limitsFor(index("flac"), r).rateFor(192000), 192000);
    FormatRecords alac = r;
    alac.m_AF_M4A.setI_Codec(1);
    EXPECT_EQ(formats::limitsFor(index("m4a"), r).rateFor(192000), 96000);
    EXPECT_EQ(formats::limitsFor(index("m4a"), alac).rateFor(192000), 192000);
    EXPECT_FALSE(formats::limitsFor(-1, r).takesRate(0));
}

TEST(EncoderCommand, OpusIsLibopusAt48kHzWithItsOptions)
{
    FormatRecords r = startRecords();
    const NodeVideoFile in = entryWith("/music/a.wav", streamOf("pcm_s16le", 44100, 2, 16));
    EXPECT_EQ(argumentsFor("opus", in, r),
              QStringList({"-i", "file:///music/a.wav", "-codec:a", "libopus", "-b:a", "128k", "-vbr", "on",
                           "-application", "audio", "-ar", "48000", "-ac", "2", "-vn", "/out/a.opus"}));
    r.m_AF_OPUS.setI_Bitrate(0);
    r.m_AF_OPUS.setI_Mode(2);
    r.m_AF_OPUS.setI_Application(1);
    r.m_AF_OPUS.setI_Channels(0);
    const QStringList speech = argumentsFor("opus", in, r);
    EXPECT_EQ(valueOf(speech, "-b:a"), "6k");
    EXPECT_EQ(valueOf(speech, "-vbr"), "off");
    EXPECT_EQ(valueOf(speech, "-application"), "voip");
    EXPECT_EQ(valueOf(speech, "-ac"), "1");
    EXPECT_FALSE(encoder::effectsFollow(index("opus"), r));
}

TEST(EncoderCommand, AppleLosslessHasNoBitrateAndAacKeepsTheSeedsArguments)
{
    FormatRecords r = startRecords();
    const NodeVideoFile in = testentries::entryFor("/music/a.wav");
    EXPECT_EQ(argumentsFor("m4a", in, r),
              QStringList({"-i", "file:///music/a.wav", "-ab", "48k", "-ar", "22050", "-ac", "2", "-vn", "/out/a.m4a"}));
    r.m_AF_M4A.setI_Codec(1);
    EXPECT_EQ(argumentsFor("m4a", in, r), QStringList({"-i", "file:///music/a.wav", "-codec:a", "alac", "-ar", "22050",
                                                       "-ac", "2", "-vn", "/out/a.m4a"}));
}

TEST(EncoderCommand, AFilmsVideoNeverReachesAnOutputAndOnlyItsFirstAudioStreamIsTaken)
{
    const FormatRecords r = startRecords();
    // An MP3 keeps a cover picture as before.
    const QStringList cover = argumentsFor("mp3", entryWith("/m/a.mp3", streamOf("mp3", 44100, 2, 0)), r);
    EXPECT_FALSE(cover.contains("-vn"));
    EXPECT_FALSE(cover.contains("-map"));
    // A film's video does not go into an MP3; a film of two languages gives its first.
    const QStringList film = argumentsFor("mp3", entryWith("/m/film.mkv", streamOf("aac", 48000, 2, 0, true, 2)), r);
    EXPECT_TRUE(film.contains("-vn"));
    EXPECT_EQ(valueOf(film, "-map"), "0:a:0");
    // A film not probed is taken to hold video.
    EXPECT_TRUE(argumentsFor("mp3", entryWith("/m/film.MP4", AudioStream()), r).contains("-vn"));
    // Two audio streams and a cover: the first audio stream and the cover.
    const QStringList two = argumentsFor("mp3", entryWith("/m/a.m4b", streamOf("aac", 44100, 2, 0, false, 2)), r);
    EXPECT_TRUE(two.join(' ').contains("-map 0:a:0 -map 0:v?"));
    EXPECT_TRUE(argumentsFor("flac", entryWith("/m/film.webm", streamOf("opus", 48000, 2, 0, true)), r).contains("-vn"));
}

TEST(StreamPlan, OnlyConvertedEntriesWhoseArgumentsReadTheStreamWait)
{
    RunPlan plan;
    plan.settings.formatIndex = index("flac");
    plan.settings.records = commandLineRecords();
    for (const char *path : {"/m/a.wav", "/m/b.wav", "/m/c.wav"}) {
        EntryPlan e;
        e.formatIndex = plan.settings.formatIndex;
        e.input = entryWith(QString::fromLatin1(path), AudioStream());
        plan.entries << e;
    }
    plan.entries[1].action = PlanAction::Fail;
    plan.entries[2].input.setM_Audio_Stream(streamOf("pcm_s16le", 44100, 2, 16));
    EXPECT_EQ(runplan::streamsWanted(plan), QList<int>({0}));

    // The window's start values read nothing of the input: nothing waits.
    plan.settings.records = startRecords();
    EXPECT_TRUE(runplan::streamsWanted(plan).isEmpty());
}

} // namespace quavero
