// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The icon of the Colors command: four colour swatches, drawn so that it
// needs no icon theme.
#include <QIcon>

namespace quavero {

namespace appearanceicons {
QIcon colorsIcon();
} // namespace appearanceicons

} // namespace quavero
