// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the list's colour settings show in the file table. While rows
// alternate, the table takes the desktop's own light or dark rows and text;
// otherwise it takes the two colours chosen for the list.
#include <QtGlobal>

namespace quavero {

namespace listappearance {
// Where a colour of the table comes from.
enum class Source {
    White,
    Black,
    ListColor, // the chosen list background or list text colour
};

// Text of every cell: white on dark, black on light unless the switch is 0.
Source cellText(qint64 alternatingRows, bool dark);
// Table background after the colours dialog: black on dark, white on light
// when the switch is exactly 1, else the chosen list background.
Source tableBackground(qint64 alternatingRows, bool dark);
// Whether the table shows alternating row backgrounds.
inline bool showsAlternatingRows(qint64 alternatingRows) { return alternatingRows == 1; }
} // namespace listappearance

} // namespace quavero
