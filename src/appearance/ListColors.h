// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colours of the file table that do not come from the settings.
#include <QColor>

#include "appearance/core/ListAppearance.h"

namespace quavero {

namespace listcolors {
// White, black or the chosen list colour, as the rule says.
QColor resolve(listappearance::Source source, const QColor &listColor);
// The desktop's row background while rows alternate: white or black.
QColor rowBackground(bool dark);
// Every second row while rows alternate: a faint step away from the row
// background, so that the text colour of the appearance stays legible.
QColor alternateRowBackground(bool dark);
// The contrast ratio of two colours, from 1 (the same lightness) to 21
// (black against white), as screen-reading guidelines measure it.
double contrastRatio(const QColor &a, const QColor &b);
// text, unless it can hardly be told apart from background (white text on a
// white row): then black or white, whichever stands out more.
QColor legibleText(const QColor &text, const QColor &background);
} // namespace listcolors

} // namespace quavero
