// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which look the whole window takes: the desktop's own, or Qt's Fusion style
// with a dark palette when the desktop says dark but the palette it gives the
// program is light (no Qt platform theme follows the desktop there). Pure.

namespace quavero {

namespace windowlook {
enum class Look {
    Desktop,   // the style and palette the desktop gave the program
    FusionDark // Qt's Fusion style with the program's dark palette
};

// desktopDark: the desktop's appearance (portal, GTK_THEME, …).
// desktopPaletteLightness: the lightness (0 to 255) of the window colour of
// the palette the desktop gave the program; below 128 it is dark already.
Look lookFor(bool desktopDark, int desktopPaletteLightness);
} // namespace windowlook

} // namespace quavero
