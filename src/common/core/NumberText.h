// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers read from text the way the C library's strtol reads them, for the
// places that take numbers from stored preferences and from ffmpeg's reports.
#include <QString>
#include <QStringView>

namespace quavero {

// The leading decimal integer of a text: leading white space skipped, an
// optional sign, then ASCII digits up to the first other character
// ("12abc" -> 12, " -3" -> -3, "" and "x1" -> 0). Digits of other scripts do
// not count. A number too long for 64 bits stops at the largest value of its
// sign instead of wrapping round.
qint64 leadingInteger(QStringView text);

// Seconds of a clock text "hh:mm:ss": the two-character fields at 0, 3 and 6
// are hours, minutes and seconds, each read as its leading integer (a missing
// or unreadable field counts 0); anything after the seconds, such as a
// fraction, is ignored. "01:02:03.50" gives 3723. A field with a minus sign
// makes the total smaller, so the result can be negative.
qint64 clockSeconds(QStringView text);

} // namespace quavero
