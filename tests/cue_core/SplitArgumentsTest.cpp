// SPDX-License-Identifier: GPL-3.0-or-later
// The ffmpeg arguments that cut a range out of an image, and how their filter
// joins a format's own audio filters. That they cut exactly is proven against
// shnsplit in tests/cue.
#include "QtPrinters.h"
#include "cue/core/SplitArguments.h"

#include <gtest/gtest.h>

namespace quavero {

TEST(CueSplitArguments, SeekToTheWholeSecondThenTrimBySamples)
{
    // 328104 samples is 7.44 s at 44.1 kHz: a seek to 7 s (308700) and a trim
    // of the 19404 samples that follow it.
    SplitArguments a = cue::splitArguments("/m/album.flac", SampleRange{328104, 553308}, 44100);
    EXPECT_EQ(a.input, (QStringList{"-ss", "7", "-i", "/m/album.flac"}));
    EXPECT_EQ(a.filter, "atrim=start_sample=19404:end_sample=244608,asetpts=N/SR/TB");

    // The first track needs no seek; the last has no end.
    a = cue::splitArguments("/m/album.flac", SampleRange{0, 328104}, 44100);
    EXPECT_EQ(a.input, (QStringList{"-i", "/m/album.flac"}));
    EXPECT_EQ(a.filter, "atrim=start_sample=0:end_sample=328104,asetpts=N/SR/TB");
    a = cue::splitArguments("file:/m/a.wav", SampleRange{96000 * 61 + 5, -1}, 96000);
    EXPECT_EQ(a.input, (QStringList{"-ss", "61", "-i", "file:/m/a.wav"}));
    EXPECT_EQ(a.filter, "atrim=start_sample=5,asetpts=N/SR/TB");
}

TEST(CueSplitArguments, TheTrimComesFirstInTheOutputsFilterChain)
{
    const QString trim = "atrim=start_sample=1";
    EXPECT_EQ(cue::withFilter({"-codec:a", "libmp3lame", "-af", "volume=2.0", "-ac", "2"}, trim),
              (QStringList{"-codec:a", "libmp3lame", "-af", "atrim=start_sample=1,volume=2.0", "-ac", "2"}));
    EXPECT_EQ(cue::withFilter({"-filter:a", "volume=0.5"}, trim),
              (QStringList{"-filter:a", "atrim=start_sample=1,volume=0.5"}));
    EXPECT_EQ(cue::withFilter({"-acodec", "flac"}, trim), (QStringList{"-af", trim, "-acodec", "flac"}));
}

} // namespace quavero
