// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/core/ListAppearance.h"

namespace quavero {

namespace listappearance {
Source cellText(qint64 alternatingRows, bool dark)
{
    if (alternatingRows != 0)
        return dark ? Source::White : Source::Black;
    return Source::ListColor;
}

Source tableBackground(qint64 alternatingRows, bool dark)
{
    if (alternatingRows != 1)
        return Source::ListColor;
    return dark ? Source::Black : Source::White;
}
} // namespace listappearance

} // namespace quavero
