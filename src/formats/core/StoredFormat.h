// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The output format kept in the preferences store, read back at start-up.
#include <QString>

namespace quavero {

namespace formats {
// The format index a stored text names. A missing value (empty text) gives
// .AC3 (0), as an index of 0 would; text that does not start with a number,
// or a number outside the fifteen formats, gives the default format (.MP3).
// The number is the text's leading integer: " 12 " and "7 (FLAC)" are read.
int indexFromStored(const QString &stored);
} // namespace formats

} // namespace quavero
