// SPDX-License-Identifier: GPL-3.0-or-later
// The normalising gain applied by ffmpeg's volume filter, checked with
// ffmpeg's own ebur128 meter: within 1 LU of the target, true peak at most
// -1 dBTP, and the shortfall said when the peak limit holds the gain back.
#include "QtPrinters.h"
#include "ReferenceTools.h"
#include "TestApp.h"

#include "loudness/core/Normalize.h"
#include "loudness/engine/FileMeasure.h"

#include <gtest/gtest.h>

namespace quavero {

namespace {
// Measures source, applies the gain for target and returns ffmpeg's view of the result.
reference::Ebur128Summary normalized(const QString &source, double target, NormalizeGain *gain)
{
    const FileMeasure m = loudness::measureFile(testenv::ffmpeg(), source);
    *gain = loudness::normalizeGain(m.measurement, target);
    const QString out = source + QStringLiteral(".normalized.flac");
    if (!gain->applies ||
        !reference::ffmpeg({"-i", source, "-af", loudness::volumeFilter(gain->gainDb), "-sample_fmt", "s32", out}))
        return {};
    return reference::ebur128(out);
}
} // namespace

TEST(NormalizeEndToEnd, QuietAndLoudLandOnTheTarget)
{
    const QString folder = testenv::freshFolder("normalize");
    const QString quiet = reference::pinkNoise(folder + "/quiet.wav", 10, 0.05);
    const QString loud = reference::pinkNoise(folder + "/loud.wav", 10, 0.9, 3);
    ASSERT_FALSE(quiet.isEmpty() || loud.isEmpty());
    for (const auto &[source, target] : {std::pair{quiet, -16.0}, std::pair{loud, -23.0}, std::pair{quiet, -20.0}}) {
        NormalizeGain gain;
        const reference::Ebur128Summary result = normalized(source, target, &gain);
        ASSERT_TRUE(result.ok) << source.toStdString();
        EXPECT_FALSE(gain.peakLimited) << target;
        EXPECT_NEAR(result.integrated, target, 1.0) << target;
        EXPECT_LE(result.truePeak, -1.0) << target;
    }
}

TEST(NormalizeEndToEnd, PeakLimitHoldsAndIsReported)
{
    const QString folder = testenv::freshFolder("normalize-limit");
    const QString speech = reference::speech(folder + "/speech.wav");
    ASSERT_FALSE(speech.isEmpty());
    NormalizeGain gain;
    const reference::Ebur128Summary result = normalized(speech, -6.0, &gain);
    ASSERT_TRUE(result.ok);
    EXPECT_TRUE(gain.peakLimited);
    EXPECT_LT(gain.reachedLufs, -7.0);
    EXPECT_LE(result.truePeak, -1.0);
    EXPECT_NEAR(result.integrated, gain.reachedLufs, 0.5);
    EXPECT_EQ(loudness::shortfallText(gain),
              QStringLiteral("reached %1 LUFS of -6: peak limit").arg(gain.reachedLufs, 0, 'f', 1));
}

} // namespace quavero
