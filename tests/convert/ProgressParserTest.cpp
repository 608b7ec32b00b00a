// SPDX-License-Identifier: GPL-3.0-or-later
// Reading ffmpeg's "time=" progress lines.
#include "QtPrinters.h"
#include "convert/core/ProgressParser.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace quavero {

using progress::lastTimeField;
using progress::readChunk;
using progress::Return_Seconds_From_VOB_Duration_Str;

TEST(ProgressParser, TimeTextToSeconds)
{
    const struct {
        const char *text;
        quint64 seconds;
    } cases[] = {
        {"00:01:30", 90},   {"01:00:05", 3605},  {"N/A spee", 0},
        {"-00:00:0", 0},    {"100:00:0", 36000}, // three-digit hours are read as their first two digits
        {" 1:02:03", 3723}, {"-1:00:00", 0},     {"12:34:56", 45296},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Return_Seconds_From_VOB_Duration_Str(c.text), c.seconds) << c.text;
}

TEST(ProgressParser, HalfOfTheDurationIsFifty)
{
    const auto r = readChunk("size=     512kB time=00:01:30.50 bitrate= 46.6kbits/s", 180);
    ASSERT_TRUE(r);
    EXPECT_FALSE(r->busy);
    EXPECT_EQ(r->percent, 50);
}

TEST(ProgressParser, LastCompleteFieldOfAChunkCounts)
{
    EXPECT_EQ(lastTimeField("time=00:00:05.00 x time=00:00:10.00"), QString("00:00:10"));
    // The later field is cut short: the one before it counts.
    EXPECT_EQ(lastTimeField("time=00:00:05.00 x time=00:0"), QString("00:00:05"));
    // The first field must match case, later ones need not.
    EXPECT_EQ(lastTimeField("time=00:00:05.00 TIME=00:00:07.00"), QString("00:00:07"));
    EXPECT_FALSE(lastTimeField("TIME=00:00:05.00"));
    // Exactly eight characters after the marker are enough.
    EXPECT_EQ(lastTimeField("time=00:00:09"), QString("00:00:09"));
}

TEST(ProgressParser, ChunksWithoutACompleteFieldChangeNothing)
{
    EXPECT_FALSE(readChunk("", 10));
    EXPECT_FALSE(readChunk("time=00:0", 10));
    EXPECT_FALSE(readChunk("Stream #0:0: Audio: pcm_s16le", 10));
    // A field split over two chunks is not joined.
    EXPECT_FALSE(readChunk("size= 1kB time=00:0", 10));
    EXPECT_FALSE(readChunk("0:05.00 bitrate=", 10));
}

TEST(ProgressParser, NotAvailableAndNegativeTimesGiveZero)
{
    EXPECT_EQ(readChunk("time=N/A speed=N/A", 10)->percent, 0);
    EXPECT_EQ(readChunk("time=-00:00:00.02 bitrate", 10)->percent, 0);
}

TEST(ProgressParser, UnknownDurationIsBusyAndOverrunIsCapped)
{
    EXPECT_TRUE(progress::percentOf(5, 0).busy);
    EXPECT_TRUE(readChunk("time=00:00:05.00", 0)->busy);
    EXPECT_EQ(progress::percentOf(300, 180).percent, 100);
    EXPECT_FALSE(progress::percentOf(300, 180).busy);
    EXPECT_EQ(progress::percentOf(1, 3).percent, 33);
}

} // namespace quavero
