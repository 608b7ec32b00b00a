// SPDX-License-Identifier: GPL-3.0-or-later
// The normalising gain: the target when the peak allows it, else as loud as
// -1 dBTP allows, said in the summary's words; and the filter that applies it.
#include "QtPrinters.h"

#include "loudness/core/Normalize.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quavero {

using namespace loudness;

namespace {
LoudnessMeasurement measuredAt(double lufs, double truePeakDbtp)
{
    LoudnessMeasurement m;
    m.status = LoudnessMeasurement::Status::Measured;
    m.lufs = lufs;
    m.truePeak = std::pow(10.0, truePeakDbtp / 20.0);
    m.samplePeak = m.truePeak;
    return m;
}

double peakAfter(const LoudnessMeasurement &m, const NormalizeGain &g)
{
    return 20.0 * std::log10(m.truePeak) + g.gainDb;
}
} // namespace

TEST(Normalize, ReachesTheTargetWhenThePeakAllows)
{
    // Louder and quieter: both land exactly on the target.
    for (const auto &[lufs, peak, target] : {std::tuple{-24.0, -10.0, -16.0}, std::tuple{-9.0, -0.2, -23.0}}) {
        const LoudnessMeasurement m = measuredAt(lufs, peak);
        const NormalizeGain g = normalizeGain(m, target);
        EXPECT_TRUE(g.applies);
        EXPECT_FALSE(g.peakLimited);
        EXPECT_DOUBLE_EQ(g.gainDb, target - lufs);
        EXPECT_DOUBLE_EQ(g.reachedLufs, target);
        EXPECT_LE(peakAfter(m, g), -1.0 + 1e-9);
        EXPECT_TRUE(shortfallText(g).isEmpty());
    }
}

TEST(Normalize, StopsAtThePeakLimitAndSaysSo)
{
    const LoudnessMeasurement m = measuredAt(-21.2, -4.98);
    const NormalizeGain g = normalizeGain(m, -14.0);
    EXPECT_TRUE(g.applies);
    EXPECT_TRUE(g.peakLimited);
    EXPECT_LE(peakAfter(m, g), -1.0 + 1e-6);
    EXPECT_NEAR(peakAfter(m, g), -1.0, 0.01);
    EXPECT_NEAR(g.reachedLufs, -21.2 + 3.98, 1e-9);
    EXPECT_EQ(shortfallText(g), "reached -17.2 LUFS of -14: peak limit");
    // Rounded down to the filter's hundredths, so the filter cannot pass the limit.
    EXPECT_DOUBLE_EQ(g.gainDb * 100, std::round(g.gainDb * 100));
    EXPECT_EQ(volumeFilter(g.gainDb), "volume=3.98dB");
    EXPECT_EQ(shortfallText(normalizeGain(m, -16.5)), "reached -17.2 LUFS of -16.5: peak limit");
}

// A peak a hair above what the target allows is held back but is no shortfall.
TEST(Normalize, ALimitWithinRoundingIsNoShortfall)
{
    const LoudnessMeasurement m = measuredAt(-20.0, -3.998);
    const NormalizeGain g = normalizeGain(m, -17.0);
    EXPECT_FALSE(g.peakLimited);
    EXPECT_LE(peakAfter(m, g), -1.0 + 1e-9);
    EXPECT_TRUE(shortfallText(g).isEmpty());
}

TEST(Normalize, NothingToGoOnLeavesTheAudioAsItIs)
{
    using Status = LoudnessMeasurement::Status;
    for (Status status : {Status::TooShort, Status::Silent, Status::Failed}) {
        LoudnessMeasurement m;
        m.status = status;
        const NormalizeGain g = normalizeGain(m, -16.0);
        EXPECT_FALSE(g.applies);
        EXPECT_EQ(g.gainDb, 0.0);
        EXPECT_TRUE(shortfallText(g).isEmpty());
    }
}

TEST(Normalize, FilterTextAndTargetRange)
{
    EXPECT_EQ(volumeFilter(3.5), "volume=3.50dB");
    EXPECT_EQ(volumeFilter(-2.304), "volume=-2.30dB");
    EXPECT_EQ(volumeFilter(-0.001), "volume=0.00dB");
    EXPECT_TRUE(isTargetInRange(-23));
    EXPECT_TRUE(isTargetInRange(0));
    EXPECT_FALSE(isTargetInRange(0.5));
    EXPECT_FALSE(isTargetInRange(-71));
    EXPECT_FALSE(isTargetInRange(std::nan("")));
}

} // namespace quavero
