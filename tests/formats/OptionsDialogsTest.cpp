// SPDX-License-Identifier: GPL-3.0-or-later
// Every options dialog, driven through its controls: what it shows after a
// fresh start, and that OK writes what the controls show while Cancel writes
// nothing.
#include "DialogDriver.h"
#include "TestApp.h"
#include "formats/FormatOptionsDialog.h"

#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace quavero {

using driver::Step;
using Shown = QMap<QString, QString>;

namespace {
Shown effects(bool usable)
{
    const QString state = usable ? "enabled" : "disabled";
    return {{"sliderGain", "0|" + state},    {"sliderTreble", "0|" + state}, {"sliderBass", "0|" + state},
            {"sliderSpeed", "100|" + state}, {"labelGainValue", "0 dB"},     {"labelTrebleValue", "0 dB"},
            {"labelBassValue", "0 dB"},      {"labelSpeedValue", "100 %"},   {"btnGainDefault", state},
            {"btnTrebleDefault", state},     {"btnBassDefault", state},      {"btnSpeedDefault", state}};
}

Shown with(Shown controls, const Shown &more)
{
    controls.insert(more);
    return controls;
}

const QString kStereo = "Stereo|enabled|3";

struct FreshStart {
    const char *name;
    int formatIndex;
    Shown shown;
};
void PrintTo(const FreshStart &c, std::ostream *os) { *os << c.name; }

const FreshStart kFreshStart[] = {
    {"AC3_has_none", 0, {}},
    {"AIFF", 2,
     with({{"comboSampleRate", "22050|enabled|13"},
           {"comboChannels", kStereo},
           {"comboFormat", "CCITT A-Law|enabled|3"},
           {"comboBitrate", "48k|enabled|16"}},
          effects(false))},
    {"AMR", 4, {{"comboBitrate", "4.75|enabled|8"}}},
    {"AU", 5,
     with({{"comboCodec", "PCM 16 bit|enabled|4"}, {"comboSampleRate", "6000|enabled|13"}, {"comboChannels", kStereo}},
          effects(true))},
    {"CAF", 6, {{"comboSampleSize", "16|enabled|3"}, {"comboSampleRate", "22050|enabled|13"}, {"comboChannels", kStereo}}},
    {"FLAC", 7,
     with({{"comboCompression", "4|enabled|9"}, {"comboSampleRate", "22050|enabled|13"}, {"comboChannels", kStereo}},
          effects(true))},
    {"MP3",
     8,
     {{"radioVBR", "on"},
      {"radioCBR", "off"},
      {"comboVBRQuality", "4|enabled|10"},
      {"comboCBRBitrate", "40|disabled|16"},
      {"comboChannels", kStereo},
      {"comboSampleRate", "44100|enabled|8"}, // only the rates MP3 takes
      {"comboVolume", "Do not alter volume|enabled|9"}}},
    {"OGG", 9,
     with({{"radioVBR", "on"},
           {"radioCBR", "off"},
           {"comboVBRQuality", "4|enabled|10"},
           {"comboCBRBitrate", "40|disabled|16"},
           {"comboChannels", kStereo}},
          effects(true))},
    {"RAW", 10, {{"comboFormat", "PCM 8|enabled|5"}, {"comboSampleRate", "22050|enabled|13"}, {"comboChannels", kStereo}}},
    {"SPX",
     11,
     {{"radioQuality", "on"},
      {"radioCBR", "off"},
      {"radioVBR", "off"},
      {"comboQuality", "4|enabled|11"},
      {"comboCBRBitrate", "8|disabled|3"},
      {"comboVBRBitrate", "8|disabled|3"}}},
    {"WAV", 12,
     with({{"comboFormat", "PCM 8|enabled|5"}, {"comboSampleRate", "22050|enabled|13"}, {"comboChannels", kStereo}},
          effects(true))},
    {"WMA",
     13,
     {{"radioWMA1", "on"}, {"radioWMA2", "off"}, {"comboSampleRate", "11025|enabled|8"}, {"comboChannels", kStereo}}},
    {"M4A",
     14,
     {{"comboCodec", "AAC|enabled|2"},
      {"comboSampleRate", "22050|enabled|11"},
      {"comboChannels", kStereo},
      {"comboBitrate", "48k|enabled|16"}}},
    {"OPUS",
     15,
     {{"comboBitrate", "128|enabled|13"},
      {"comboMode", "VBR|enabled|3"},
      {"comboApplication", "Music|enabled|3"},
      {"comboChannels", "Stereo|enabled|2"}}},
};

class FreshStartTest : public ::testing::TestWithParam<FreshStart> {
protected:
    void SetUp() override { testenv::resetHome(); }
};

TEST_P(FreshStartTest, ShowsTheStartValues)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    FormatOptionsDialog *dialog = driver::openOptions(t, GetParam().formatIndex);
    if (GetParam().shown.isEmpty()) {
        EXPECT_EQ(dialog, nullptr);
        EXPECT_FALSE(t.app->buttonFormatOptions->isEnabled());
        return;
    }
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->objectName(), QStringLiteral("Window_AF_") + GetParam().name);
    EXPECT_EQ(driver::snapshot(dialog), GetParam().shown);
    // Lists are choose-only: no typed text can reach a record.
    for (const QComboBox *list : dialog->findChildren<QComboBox *>())
        EXPECT_FALSE(list->isEditable()) << list->objectName().toStdString();
    driver::pressCancel(dialog);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, FreshStartTest, ::testing::ValuesIn(kFreshStart),
                         [](const auto &info) { return std::string(info.param.name); });

struct RoundTrip {
    const char *name;
    int formatIndex;
    QVector<Step> changes;
    QMap<QString, double> stored; // record fields after OK
};
void PrintTo(const RoundTrip &c, std::ostream *os) { *os << c.name; }

const RoundTrip kRoundTrips[] = {
    {"AIFF",
     1,
     {{"comboFormat", 2}, {"comboSampleRate", 11}, {"comboChannels", 0}, {"comboBitrate", 15}, {"sliderGain", -20}, {"sliderSpeed", 50}},
     {{"i_Format", 2},
      {"i_Sample_Rate", 11},
      {"i_Channels", 0},
      {"i_Bitrate", 15},
      {"i_Gain", -20},
      {"i_Treble", 0},
      {"i_Bass", 0},
      {"f_Speed", 0.5}}},
    {"AMR", 4, {{"comboBitrate", 7}}, {{"i_Bitrate", 7}}},
    {"AU",
     5,
     {{"comboCodec", 3}, {"comboSampleRate", 11}, {"comboChannels", 0}, {"sliderBass", 20}, {"sliderSpeed", 200}},
     {{"i_Codec", 3}, {"i_Samplerate", 11}, {"i_Channels", 0}, {"i_Gain", 0}, {"i_Treble", 0}, {"i_Bass", 20}, {"f_Speed", 2.0}}},
    {"CAF",
     6,
     {{"comboSampleSize", 1}, {"comboSampleRate", 6}, {"comboChannels", 0}},
     {{"i_Sample_Size", 1}, {"i_Samplerate", 6}, {"i_Channels", 0}}},
    {"FLAC",
     7,
     {{"comboCompression", 8}, {"comboSampleRate", 0}, {"sliderTreble", 12}},
     {{"i_Compression_Level", 8},
      {"i_Samplerate", 0},
      {"i_Channels", 1},
      {"i_Gain", 0},
      {"i_Treble", 12},
      {"i_Bass", 0},
      {"f_Speed", 1.0}}},
    // CBR with "128": the quality keeps the position its disabled list shows;
    // 48000 Hz is the seventh rate MP3 takes, position 7 of the whole list.
    {"MP3",
     8,
     {{"radioCBR"}, {"comboCBRBitrate", 10}, {"comboChannels", 0}, {"comboSampleRate", 6}, {"comboVolume", 8}},
     {{"b_VBR", 0}, {"i_VBR_Quality", 4}, {"i_CBR_Bitrate", 10}, {"i_Channels", 0}, {"i_SampleRate", 7}, {"i_Volume", 8}}},
    {"OGG",
     9,
     {{"comboVBRQuality", 9}, {"comboChannels", 0}, {"sliderGain", 5}, {"sliderTreble", -3}, {"sliderBass", 7}, {"sliderSpeed", 150}},
     {{"b_VBR", 1},
      {"i_VBR_Quality", 9},
      {"i_CBR_Bitrate", 4},
      {"i_Channels", 0},
      {"i_Gain", 5},
      {"i_Treble", -3},
      {"i_Bass", 7},
      {"f_Speed", 1.5}}},
    {"RAW",
     10,
     {{"comboFormat", 4}, {"comboSampleRate", 1}, {"comboChannels", 0}},
     {{"i_Format", 4}, {"i_Samplerate", 1}, {"i_Channels", 0}}},
    // VBR with "32": the other two lists keep the positions they show.
    {"SPX",
     11,
     {{"radioVBR"}, {"comboVBRBitrate", 2}},
     {{"i_Quality_VBR_CBR", 2}, {"i_Quality_Preset", 4}, {"i_VBR_Bitrate", 2}, {"i_CBR_Bitrate", 0}}},
    {"WAV",
     12,
     {{"comboFormat", 3}, {"comboChannels", 0}, {"sliderGain", 1}, {"sliderSpeed", 75}},
     {{"i_Format", 3}, {"i_Samplerate", 4}, {"i_Channels", 0}, {"i_Treble", 0}, {"i_Bass", 0}, {"i_Gain", 1}, {"f_Speed", 0.75}}},
    {"WMA",
     13,
     {{"radioWMA2"}, {"comboSampleRate", 6}, {"comboChannels", 0}},
     {{"i_WMA_Format", 1}, {"i_Samplerate", 6}, {"i_Channels", 0}}},
    {"M4A",
     14,
     {{"comboSampleRate", 10}, {"comboChannels", 2}, {"comboBitrate", 15}}, // "Same as input" after AAC's rates
     {{"i_Sample_Rate", 12}, {"i_Channels", 2}, {"i_Bitrate", 15}, {"i_Codec", 0}}},
    {"M4A_AppleLossless",
     14,
     {{"comboCodec", 1}, {"comboSampleRate", 0}, {"comboChannels", 0}},
     {{"i_Codec", 1}, {"i_Sample_Rate", 0}, {"i_Channels", 0}, {"i_Bitrate", 4}}},
    {"OPUS",
     15,
     {{"comboBitrate", 5}, {"comboMode", 1}, {"comboApplication", 1}, {"comboChannels", 0}},
     {{"i_Bitrate", 5}, {"i_Mode", 1}, {"i_Application", 1}, {"i_Channels", 0}}},
};

class RoundTripTest : public ::testing::TestWithParam<RoundTrip> {
protected:
    void SetUp() override { testenv::resetHome(); }
};

// Waits until the dialog the controller released is gone.
void expectReleased(QPointer<FormatOptionsDialog> dialog)
{
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 2000));
}

TEST_P(RoundTripTest, CancelKeepsTheRecordAndOkWritesIt)
{
    const RoundTrip &trip = GetParam();
    TestApp t;
    ASSERT_TRUE(t.start());
    const RecordKind record = formats::at(trip.formatIndex)->record;
    const QMap<QString, double> startValues = driver::recordValues(t, record);

    QPointer<FormatOptionsDialog> dialog = driver::openOptions(t, trip.formatIndex);
    ASSERT_FALSE(dialog.isNull());
    const Shown atStart = driver::snapshot(dialog);
    driver::apply(dialog, trip.changes);
    ASSERT_NE(driver::snapshot(dialog), atStart);
    driver::pressCancel(dialog);
    expectReleased(dialog);
    EXPECT_EQ(driver::recordValues(t, record), startValues);

    dialog = driver::openOptions(t, trip.formatIndex);
    ASSERT_FALSE(dialog.isNull());
    EXPECT_EQ(driver::snapshot(dialog), atStart);
    driver::apply(dialog, trip.changes);
    const Shown changed = driver::snapshot(dialog);
    driver::pressOK(dialog);
    expectReleased(dialog);
    EXPECT_EQ(driver::recordValues(t, record), trip.stored);

    dialog = driver::openOptions(t, trip.formatIndex);
    ASSERT_FALSE(dialog.isNull());
    EXPECT_EQ(driver::snapshot(dialog), changed);
    driver::pressCancel(dialog);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, RoundTripTest, ::testing::ValuesIn(kRoundTrips),
                         [](const auto &info) { return std::string(info.param.name); });
} // namespace

} // namespace quavero
