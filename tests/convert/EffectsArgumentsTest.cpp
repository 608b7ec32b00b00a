// SPDX-License-Identifier: GPL-3.0-or-later
// The sox command of the effects stage.
#include "QtPrinters.h"
#include "convert/core/EffectsArguments.h"

#include <cmath>
#include <gtest/gtest.h>

namespace quavero {

TEST(EffectsArguments, NeutralValuesGiveOnlyThePaths)
{
    EXPECT_EQ(effects::arguments("/work/a001.wav", "/out/a.wav", {}), QStringList({"/work/a001.wav", "/out/a.wav"}));
}

TEST(EffectsArguments, EffectsComeInOrderSpeedGainTrebleBass)
{
    EXPECT_EQ(effects::arguments("/w/a001.au", "/out/a.au", {1.25f, -3, 0, 4}),
              QStringList({"/w/a001.au", "/out/a.au", "speed", "1.25", "gain", "-3", "bass", "4"}));
    EXPECT_EQ(effects::arguments("i", "o", {0.5f, 0, 0, 0}), QStringList({"i", "o", "speed", "0.50"}));
    EXPECT_EQ(effects::arguments("i", "o", {1.0f, 0, 5, 0}), QStringList({"i", "o", "treble", "5"}));
    EXPECT_EQ(effects::arguments("i", "o", {0.8f, 2, -1, 7}),
              QStringList({"i", "o", "speed", "0.80", "gain", "2", "treble", "-1", "bass", "7"}));
}

TEST(EffectsArguments, SpeedThatIsNotANumberIsPassedOn)
{
    EXPECT_EQ(effects::arguments("i", "o", {std::nanf(""), 0, 0, 0}).size(), 4);
}

TEST(EffectsArguments, ValuesComeFromTheRecordOfTheFormat)
{
    FormatRecords r = startRecords();
    r.m_AF_AU.setF_Speed(1.25f);
    r.m_AF_AU.setI_Gain(-3);
    r.m_AF_OGG.setI_Treble(5);
    r.m_AF_AIFF.setF_Speed(0.5f);
    r.m_AF_WAV.setI_Bass(2);
    r.m_AF_FLAC.setI_Gain(1);
    EXPECT_EQ(effects::valuesFor(5, r).speed, 1.25f);
    EXPECT_EQ(effects::valuesFor(5, r).gain, -3);
    EXPECT_EQ(effects::valuesFor(9, r).treble, 5);
    for (int aiff : {1, 2, 3})
        EXPECT_EQ(effects::valuesFor(aiff, r).speed, 0.5f);
    EXPECT_EQ(effects::valuesFor(12, r).bass, 2);
    EXPECT_EQ(effects::valuesFor(7, r).gain, 1);
    EXPECT_EQ(effects::valuesFor(8, r).speed, 1.0f);
}

} // namespace quavero
