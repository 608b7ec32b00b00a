// SPDX-License-Identifier: GPL-3.0-or-later
// Where the table's text and background colours come from.
#include "appearance/core/ListAppearance.h"

#include <gtest/gtest.h>

namespace quavero {

using listappearance::Source;

TEST(ListAppearance, TextAndBackgroundFollowTheSwitchAndTheAppearance)
{
    const struct {
        qint64 rows;
        bool dark;
        Source text;
        Source background;
        bool alternating;
    } cases[] = {
        {1, false, Source::Black, Source::White, true},
        {1, true, Source::White, Source::Black, true},
        {0, false, Source::ListColor, Source::ListColor, false},
        {0, true, Source::ListColor, Source::ListColor, false},
        // A stored value other than 0 or 1: text as if alternating, background
        // as if not, and no alternating rows.
        {5, false, Source::Black, Source::ListColor, false},
        {-1, true, Source::White, Source::ListColor, false},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(listappearance::cellText(c.rows, c.dark), c.text) << c.rows << c.dark;
        EXPECT_EQ(listappearance::tableBackground(c.rows, c.dark), c.background) << c.rows << c.dark;
        EXPECT_EQ(listappearance::showsAlternatingRows(c.rows), c.alternating) << c.rows;
    }
}

} // namespace quavero
