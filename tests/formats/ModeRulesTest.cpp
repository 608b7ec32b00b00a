// SPDX-License-Identifier: GPL-3.0-or-later
// The radio-button and enable rules of the dialogs that have them.
#include "DialogDriver.h"
#include "TestApp.h"
#include "formats/FormatOptionsDialog.h"
#include "formats/core/OptionFields.h"

#include <QComboBox>
#include <QRadioButton>
#include <QSlider>
#include <gtest/gtest.h>

namespace quavero {

namespace {
class ModeRulesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetHome();
        ASSERT_TRUE(t.start());
    }
    QString shown(const char *control) { return driver::snapshot(dialog).value(control); }
    TestApp t;
    FormatOptionsDialog *dialog = nullptr;
};

const QStringList kEffectControls{"sliderGain",     "sliderTreble",     "sliderBass",     "sliderSpeed",
                                  "btnGainDefault", "btnTrebleDefault", "btnBassDefault", "btnSpeedDefault"};

bool effectsUsable(QWidget *dialog, bool usable)
{
    for (const QString &name : kEffectControls)
        if (dialog->findChild<QWidget *>(name)->isEnabled() != usable)
            return false;
    return true;
}

TEST_F(ModeRulesTest, Mp3ModesSwitchTheBitrateLists)
{
    dialog = driver::openOptions(t, 8);
    driver::apply(dialog, {{"radioCBR"}});
    EXPECT_EQ(shown("radioVBR"), "off");
    EXPECT_EQ(shown("comboCBRBitrate"), "40|enabled|16");
    EXPECT_EQ(shown("comboVBRQuality"), "4|disabled|10");
    driver::apply(dialog, {{"radioVBR"}});
    EXPECT_EQ(shown("radioCBR"), "off");
    EXPECT_EQ(shown("comboCBRBitrate"), "40|disabled|16");
    EXPECT_EQ(shown("comboVBRQuality"), "4|enabled|10");
    for (const char *always : {"comboChannels", "comboSampleRate", "comboVolume"})
        EXPECT_TRUE(dialog->findChild<QWidget *>(always)->isEnabled()) << always;
    driver::pressCancel(dialog);
}

TEST_F(ModeRulesTest, OggEffectsOnlyWithVariableBitrateAndStillStoredInCbr)
{
    dialog = driver::openOptions(t, 9);
    driver::apply(dialog, {{"sliderGain", 6}, {"radioCBR"}});
    EXPECT_TRUE(effectsUsable(dialog, false));
    EXPECT_EQ(shown("sliderGain"), "6|disabled");
    driver::pressOK(dialog);
    EXPECT_EQ(t.app->records.m_AF_OGG.b_VBR(), 0);
    EXPECT_EQ(t.app->records.m_AF_OGG.i_Gain(), 6);

    dialog = driver::openOptions(t, 9);
    EXPECT_EQ(shown("radioCBR"), "on");
    EXPECT_TRUE(effectsUsable(dialog, false));
    driver::apply(dialog, {{"radioVBR"}});
    EXPECT_TRUE(effectsUsable(dialog, true));
    driver::pressCancel(dialog);
}

TEST_F(ModeRulesTest, AiffEffectsOnlyForUncompressed)
{
    dialog = driver::openOptions(t, 3);
    EXPECT_TRUE(effectsUsable(dialog, false));
    driver::apply(dialog, {{"comboFormat", 2}});
    EXPECT_TRUE(effectsUsable(dialog, true));
    driver::apply(dialog, {{"comboFormat", 1}});
    EXPECT_TRUE(effectsUsable(dialog, false));
    driver::apply(dialog, {{"comboFormat", 2}});
    driver::pressOK(dialog);

    dialog = driver::openOptions(t, 3);
    EXPECT_TRUE(effectsUsable(dialog, true));
    driver::pressCancel(dialog);
}

TEST_F(ModeRulesTest, M4aBitrateOnlyWithAacAndStoredThroughAppleLossless)
{
    dialog = driver::openOptions(t, 14);
    EXPECT_EQ(shown("comboBitrate"), "48k|enabled|16");
    driver::apply(dialog, {{"comboBitrate", 6}, {"comboCodec", 1}});
    EXPECT_EQ(shown("comboBitrate"), "64k|disabled|16");
    driver::pressOK(dialog);
    EXPECT_EQ(t.app->records.m_AF_M4A.i_Codec(), 1);
    EXPECT_EQ(t.app->records.m_AF_M4A.i_Bitrate(), 6);

    dialog = driver::openOptions(t, 14);
    EXPECT_EQ(shown("comboBitrate"), "64k|disabled|16");
    driver::apply(dialog, {{"comboCodec", 0}});
    EXPECT_EQ(shown("comboBitrate"), "64k|enabled|16");
    driver::pressCancel(dialog);
}

TEST_F(ModeRulesTest, SpxEachModeEnablesOnlyItsList)
{
    dialog = driver::openOptions(t, 11);
    const struct {
        const char *radio;
        const char *list;
    } modes[] = {{"radioCBR", "comboCBRBitrate"}, {"radioVBR", "comboVBRBitrate"}, {"radioQuality", "comboQuality"}};
    for (const auto &mode : modes) {
        driver::apply(dialog, {{mode.radio}});
        for (const auto &other : modes) {
            const bool chosen = &other == &mode;
            EXPECT_EQ(shown(other.radio), chosen ? "on" : "off") << mode.radio << " " << other.radio;
            EXPECT_EQ(dialog->findChild<QComboBox *>(other.list)->isEnabled(), chosen) << mode.radio << " " << other.list;
        }
    }
    driver::pressCancel(dialog);
}

// A stored mode that no button stands for leaves every button off; OK then
// stores the mode the dialog falls back to.
struct NoRadioOn {
    const char *name;
    int formatIndex;
    const char *modeField;
    QStringList radios;
    double stored;
};
void PrintTo(const NoRadioOn &c, std::ostream *os) { *os << c.name; }

class NoRadioOnTest : public ::testing::TestWithParam<NoRadioOn> {
protected:
    void SetUp() override { testenv::resetHome(); }
};

TEST_P(NoRadioOnTest, OkStoresTheFallbackMode)
{
    const NoRadioOn &c = GetParam();
    TestApp t;
    ASSERT_TRUE(t.start());
    const OptionField *mode = options::byRecordField(formats::at(c.formatIndex)->record, c.modeField);
    ASSERT_NE(mode, nullptr);
    mode->set(t.app->records, 7);
    FormatOptionsDialog *dialog = driver::openOptions(t, c.formatIndex);
    ASSERT_NE(dialog, nullptr);
    for (const QString &radio : c.radios)
        EXPECT_FALSE(dialog->findChild<QRadioButton *>(radio)->isChecked()) << radio.toStdString();
    driver::pressOK(dialog);
    EXPECT_EQ(mode->get(t.app->records), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, NoRadioOnTest,
    ::testing::Values(NoRadioOn{"WMA", 13, "i_WMA_Format", {"radioWMA1", "radioWMA2"}, 1},
                      NoRadioOn{"SPX", 11, "i_Quality_VBR_CBR", {"radioQuality", "radioCBR", "radioVBR"}, 2}),
    [](const auto &info) { return std::string(info.param.name); });
} // namespace

} // namespace quavero
