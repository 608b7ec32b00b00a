// SPDX-License-Identifier: GPL-3.0-or-later
// Gains and the texts players read them as, the fields each kind of
// container gets for a track and for its album, and the album grouping.
#include "QtPrinters.h"
#include "SyntheticAudio.h"

#include "loudness/core/AlbumKey.h"
#include "loudness/core/GainFields.h"
#include "loudness/core/Gains.h"
#include "formats/core/FormatTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quavero {

void PrintTo(const GainField &f, std::ostream *out)
{
    *out << f.key.toStdString() << '=' << (f.removes() ? "(removed)" : f.value.toStdString());
}

using namespace loudness;

namespace {
LoudnessMeasurement withStatus(LoudnessMeasurement::Status status)
{
    LoudnessMeasurement m;
    m.status = status;
    return m;
}

GainField clear(const char *key) { return GainField{key, QString()}; }
} // namespace

TEST(GainValues, ReplayGainTextsAsPlayersReadThem)
{
    EXPECT_DOUBLE_EQ(replayGainDb(-11.48), -6.52);
    EXPECT_EQ(gainText(replayGainDb(-11.48)), "-6.52 dB");
    EXPECT_EQ(gainText(2.6649), "2.66 dB");
    EXPECT_EQ(gainText(2.665001), "2.67 dB");
    EXPECT_EQ(gainText(-0.001), "0.00 dB"); // never "-0.00 dB"
    EXPECT_EQ(gainText(-23.5), "-23.50 dB");
    EXPECT_EQ(peakText(0.9812341), "0.981234");
    EXPECT_EQ(peakText(1.2), "1.200000"); // a true peak above full scale stays as it is
    EXPECT_EQ(referenceText(), "-18.00 LUFS");
}

// RFC 7845: the gain to -23 LUFS in 1/256 dB, rounded to the nearest step,
// within a signed 16-bit integer.
TEST(GainValues, OpusGainFollowsTheRfcRule)
{
    EXPECT_EQ(opusGainQ78(-23.0), 0);
    EXPECT_EQ(opusGainQ78(-20.797), -564);        // -2.203 dB * 256 = -563.97
    EXPECT_EQ(opusGainQ78(-33.0), 2560);          // +10 dB
    EXPECT_EQ(opusGainQ78(-23.0 - 1.0 / 512), 1); // half a step rounds away from zero
    EXPECT_EQ(opusGainQ78(-400.0), 32767);
    EXPECT_EQ(opusGainQ78(200.0), -32768);
    for (double lufs : {-5.3, -14.2, -27.77, -40.0})
        EXPECT_NEAR(opusGainQ78(lufs) / 256.0, -23.0 - lufs, 0.5 / 256) << lufs;
}

TEST(GainValues, StatusOfAMeasurement)
{
    using Status = LoudnessMeasurement::Status;
    // 400 ms at 44.1 kHz are four blocks of 4410 frames.
    EXPECT_EQ(statusFor(17639, 44100, -20.0), Status::TooShort);
    EXPECT_EQ(statusFor(17640, 44100, -20.0), Status::Measured);
    EXPECT_EQ(statusFor(48000, 48000, -HUGE_VAL), Status::Silent);
    EXPECT_EQ(statusFor(100, 48000, -HUGE_VAL), Status::TooShort);
    EXPECT_EQ(statusFor(48000, 0, -20.0), Status::Failed);
    EXPECT_EQ(warningText(Status::TooShort), "too short to measure");
    EXPECT_EQ(warningText(Status::Silent), "silent");
    EXPECT_TRUE(warningText(Status::Measured).isEmpty());
    EXPECT_FALSE(warningText(Status::Failed).isEmpty());
}

// A track gets its own values and loses album values it may have brought
// from its input; the album pair follows when the album is done.
TEST(GainValues, ReplayGainFieldsOfATrackAndItsAlbum)
{
    const GainFields track = trackFields(GainStyle::ReplayGain, synth::measured(-11.48, 0.9812341));
    EXPECT_EQ(track, (GainFields{{"REPLAYGAIN_TRACK_GAIN", "-6.52 dB"},
                                 {"REPLAYGAIN_TRACK_PEAK", "0.981234"},
                                 {"REPLAYGAIN_REFERENCE_LOUDNESS", "-18.00 LUFS"},
                                 clear("REPLAYGAIN_ALBUM_GAIN"),
                                 clear("REPLAYGAIN_ALBUM_PEAK")}));
    EXPECT_EQ(albumFields(GainStyle::ReplayGain, synth::measured(-20.89, 0.809814)),
              (GainFields{{"REPLAYGAIN_ALBUM_GAIN", "2.89 dB"}, {"REPLAYGAIN_ALBUM_PEAK", "0.809814"}}));
}

// Opus gets R128 gains only; ReplayGain fields are removed, as RFC 7845 asks.
TEST(GainValues, OpusFieldsAreR128Only)
{
    const GainFields track = trackFields(GainStyle::R128, synth::measured(-20.797, 0.5));
    ASSERT_FALSE(track.isEmpty());
    EXPECT_EQ(track.first(), (GainField{"R128_TRACK_GAIN", "-564"}));
    for (const GainField &f : track.mid(1))
        EXPECT_TRUE(f.removes()) << f.key.toStdString();
    EXPECT_EQ(track.size(), fieldNames(GainStyle::R128).size());
    EXPECT_EQ(albumFields(GainStyle::R128, synth::measured(-13.0, 0.9)), (GainFields{{"R128_ALBUM_GAIN", "-2560"}}));
}

// Too short, silent or failed: no loudness fields at all (stale ones go), and
// an album that could not be measured writes nothing.
TEST(GainValues, UnmeasuredTracksGetNoLoudnessFields)
{
    using Status = LoudnessMeasurement::Status;
    for (Status status : {Status::TooShort, Status::Silent, Status::Failed}) {
        for (GainStyle style : {GainStyle::ReplayGain, GainStyle::R128}) {
            const GainFields fields = trackFields(style, withStatus(status));
            EXPECT_EQ(fields.size(), fieldNames(style).size());
            for (const GainField &f : fields)
                EXPECT_TRUE(f.removes()) << f.key.toStdString();
            EXPECT_TRUE(albumFields(style, withStatus(status)).isEmpty());
        }
    }
    EXPECT_TRUE(trackFields(GainStyle::None, synth::measured(-20, 0.5)).isEmpty());
    EXPECT_TRUE(albumFields(GainStyle::None, synth::measured(-20, 0.5)).isEmpty());
}

TEST(GainValues, EachFormatKeepsItsFieldsWhereItCan)
{
    const struct {
        const char *format;
        GainContainer container;
    } rows[] = {
        {".AC3", GainContainer::None},     {".AIFF", GainContainer::Aiff},     {".AMR", GainContainer::None},
        {".AU", GainContainer::None},      {".CAF", GainContainer::None},      {".FLAC", GainContainer::Flac},
        {".MP3", GainContainer::Mpeg},     {".OGG", GainContainer::OggVorbis}, {".RAW", GainContainer::None},
        {".SPX", GainContainer::OggSpeex}, {".WAV", GainContainer::Wav},       {".WMA", GainContainer::Asf},
        {".M4A", GainContainer::Mp4},
    };
    for (const auto &row : rows)
        EXPECT_EQ(containerForFormat(formats::indexFromName(row.format)), row.container) << row.format;
    EXPECT_FALSE(takesGainTags(GainContainer::None));
    EXPECT_TRUE(takesGainTags(GainContainer::Wav));
    EXPECT_EQ(noGainTagsNote(".AMR"), ".AMR files hold no loudness tags: none were written");
    EXPECT_EQ(styleOf(GainContainer::None), GainStyle::None);
    EXPECT_EQ(styleOf(GainContainer::OggOpus), GainStyle::R128);
    EXPECT_EQ(styleOf(GainContainer::Mp4), GainStyle::ReplayGain);
}

TEST(GainValues, AnAlbumIsOneAlbumTagInOneFolder)
{
    EXPECT_EQ(albumKey("Fünf Stücke", "/out/a"), albumKey(" Fünf Stücke ", "/out/a/"));
    EXPECT_NE(albumKey("Fünf Stücke", "/out/a"), albumKey("Fünf Stücke", "/out/b"));
    EXPECT_NE(albumKey("One", "/out/a"), albumKey("Two", "/out/a"));
    EXPECT_TRUE(albumKey("", "/out/a").isEmpty());
    EXPECT_TRUE(albumKey("  ", "/out/a").isEmpty());
}

} // namespace quavero
