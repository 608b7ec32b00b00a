// SPDX-License-Identifier: GPL-3.0-or-later
// The effects sliders of the five dialogs that have them: ranges, the value
// shown beside each slider, the Default buttons and the stored speed factor.
#include "DialogDriver.h"
#include "TestApp.h"
#include "formats/FormatOptionsDialog.h"
#include "formats/core/OptionFields.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <gtest/gtest.h>

namespace quavero {

namespace {
struct EffectsDialog {
    const char *name;
    int formatIndex;
};
void PrintTo(const EffectsDialog &c, std::ostream *os) { *os << c.name; }

class EffectsGroupTest : public ::testing::TestWithParam<EffectsDialog> {
protected:
    void SetUp() override
    {
        testenv::resetHome();
        ASSERT_TRUE(t.start());
        record = formats::at(GetParam().formatIndex)->record;
        // The AIFF effects are usable only for uncompressed audio.
        if (record == RecordKind::AIFF)
            t.app->records.m_AF_AIFF.setI_Format(2);
    }
    void set(const char *field, double value) { options::byRecordField(record, field)->set(t.app->records, value); }
    double get(const char *field) { return options::byRecordField(record, field)->get(t.app->records); }
    QSlider *slider(const char *name) { return dialog->findChild<QSlider *>(name); }
    QString label(const char *name) { return dialog->findChild<QLabel *>(name)->text(); }
    void click(const char *button) { dialog->findChild<QPushButton *>(button)->click(); }

    TestApp t;
    RecordKind record = RecordKind::None;
    FormatOptionsDialog *dialog = nullptr;
};

TEST_P(EffectsGroupTest, SliderRanges)
{
    dialog = driver::openOptions(t, GetParam().formatIndex);
    for (const char *decibels : {"sliderGain", "sliderTreble", "sliderBass"}) {
        EXPECT_EQ(slider(decibels)->minimum(), -20) << decibels;
        EXPECT_EQ(slider(decibels)->maximum(), 20) << decibels;
    }
    EXPECT_EQ(slider("sliderSpeed")->minimum(), 50);
    EXPECT_EQ(slider("sliderSpeed")->maximum(), 200);
    driver::pressCancel(dialog);
}

TEST_P(EffectsGroupTest, OpensWithTheRecordAndShowsEachValue)
{
    set("f_Speed", 1.5);
    set("i_Gain", 2);
    set("i_Bass", -4);
    dialog = driver::openOptions(t, GetParam().formatIndex);
    EXPECT_EQ(slider("sliderSpeed")->value(), 150);
    EXPECT_EQ(label("labelSpeedValue"), "150 %");
    EXPECT_EQ(label("labelGainValue"), "+2 dB");
    EXPECT_EQ(label("labelBassValue"), "-4 dB");
    driver::apply(dialog, {{"sliderTreble", -7}});
    EXPECT_EQ(label("labelTrebleValue"), "-7 dB");
    driver::pressCancel(dialog);
}

TEST_P(EffectsGroupTest, DefaultButtonsThenOkStoreNeutralValues)
{
    set("f_Speed", 1.37f);
    dialog = driver::openOptions(t, GetParam().formatIndex);
    driver::apply(dialog, {{"sliderGain", 9}, {"sliderTreble", -9}, {"sliderBass", 3}});
    for (const char *button : {"btnGainDefault", "btnTrebleDefault", "btnBassDefault", "btnSpeedDefault"})
        click(button);
    driver::pressOK(dialog);
    EXPECT_EQ(float(get("f_Speed")), 1.0f);
    EXPECT_EQ(get("i_Gain"), 0);
    EXPECT_EQ(get("i_Treble"), 0);
    EXPECT_EQ(get("i_Bass"), 0);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, EffectsGroupTest,
                         ::testing::Values(EffectsDialog{"AIFF", 2}, EffectsDialog{"AU", 5}, EffectsDialog{"FLAC", 7},
                                           EffectsDialog{"OGG", 9}, EffectsDialog{"WAV", 12}),
                         [](const auto &info) { return std::string(info.param.name); });
} // namespace

} // namespace quavero
