// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/core/WindowLook.h"

namespace quavero {

namespace windowlook {
Look lookFor(bool desktopDark, int desktopPaletteLightness)
{
    // A desktop whose own Qt theme draws dark already is left to draw.
    return desktopDark && desktopPaletteLightness >= 128 ? Look::FusionDark : Look::Desktop;
}
} // namespace windowlook

} // namespace quavero
