// SPDX-License-Identifier: GPL-3.0-or-later
// The conversions between effect sliders and record fields. The sliders hold
// whole positions, so a fractional position (2.7) reaches the conversion only
// from code; the conversion itself must still drop the fraction.
#include "formats/core/EffectSliders.h"

#include <gtest/gtest.h>

namespace quavero {

namespace es = effectsliders;

TEST(EffectSliders, DecibelsDropTheFractionTowardsZero)
{
    EXPECT_EQ(es::decibelsFromSlider(2.7), 2);
    EXPECT_EQ(es::decibelsFromSlider(-2.7), -2);
    EXPECT_EQ(es::decibelsFromSlider(0.9), 0);
    EXPECT_EQ(es::decibelsFromSlider(-20.0), -20);
}

TEST(EffectSliders, SpeedIsPercentOfNormal)
{
    EXPECT_EQ(es::speedFromSlider(es::kSpeedNeutral), 1.0f);
    EXPECT_EQ(es::speedFromSlider(150), 1.5f);
    EXPECT_EQ(es::sliderFromSpeed(1.5f), 150);
    EXPECT_EQ(es::sliderFromSpeed(0.75f), 75);
    // A factor that is not a whole percent lands on the nearest position.
    EXPECT_EQ(es::sliderFromSpeed(1.1f), 110);
}

TEST(EffectSliders, ValueTexts)
{
    EXPECT_EQ(es::decibelsText(3), "+3 dB");
    EXPECT_EQ(es::decibelsText(0), "0 dB");
    EXPECT_EQ(es::decibelsText(-5), "-5 dB");
    EXPECT_EQ(es::speedText(150), "150 %");
}

} // namespace quavero
