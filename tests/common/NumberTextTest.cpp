// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers read from text: the leading integer of stored preferences and of the
// fields of ffmpeg's clock texts.
#include "common/core/NumberText.h"

#include <gtest/gtest.h>
#include <limits>

namespace quavero {

TEST(LeadingInteger, TakesTheLeadingDecimalIntegerOfAText)
{
    const struct {
        const char *text;
        qint64 value;
    } cases[] = {
        {"8", 8},
        {"", 0},
        {"  14  ", 14},
        {"\t\n 5", 5}, // every kind of leading white space is skipped
        {"12abc", 12},
        {"-3", -3},
        {"+7", 7},
        {" -4", -4},
        {"007", 7},
        {"abc", 0},
        {"-", 0},
        {"- 3", 0}, // no blank between the sign and the digits
        {"1.9", 1},
        {"1e3", 1},
        {"5x", 5},
        {"\xd9\xa3", 0}, // an Arabic-Indic digit three is not read as a number
        {"9223372036854775807", std::numeric_limits<qint64>::max()},
        {"99999999999999999999999", std::numeric_limits<qint64>::max()},
        {"-99999999999999999999999", std::numeric_limits<qint64>::min()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(leadingInteger(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(ClockSeconds, ReadsHoursMinutesAndSecondsFieldByField)
{
    const struct {
        const char *text;
        qint64 seconds;
    } cases[] = {
        {"00:01:30", 90},
        {"01:00:05", 3605},
        {"12:34:56", 45296},
        {"01:02:03.50", 3723}, // the fraction is ignored
        {"99:59:59.9", 99 * 3600 + 59 * 60 + 59},
        {" 1:02:03", 3723},  // a blank before a one-digit field
        {"100:00:0", 36000}, // three-digit hours are read as their first two digits
        {"12:5x:0y", 12 * 3600 + 5 * 60},
        {"N/A spee", 0},
        {"N/A, start", 0},
        {"00:0", 0}, // fields missing at the end count 0
        {"", 0},
        {"-00:00:0", 0},
        {"-1:00:00", -3600}, // a signed field lowers the total; callers clamp
    };
    for (const auto &c : cases)
        EXPECT_EQ(clockSeconds(QString::fromUtf8(c.text)), c.seconds) << c.text;
}

} // namespace quavero
