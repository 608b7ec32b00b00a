// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Making names from tag values safe to use as file and folder names. Pure.
#include <QString>

namespace quavero {

namespace naming {
// The longest file or folder name Linux file systems take, in bytes.
constexpr int kMaxNameBytes = 255;
// Room kept for the number the output plan adds to a name that another
// output of the run holds: " (99999)".
constexpr int kNumberReserveBytes = 8;

// A value as it may stand inside one name: / \ : * ? " < > | and control
// characters become "_", so a value never makes a folder, and the name can be
// written on the file systems of phones and memory cards too.
QString safeValue(const QString &value);
// A name without its leading and trailing dots and spaces (no hidden files,
// no "." or ".." parts, none that some systems cannot open).
QString trimmedPart(const QString &part);
// The name cut to at most maxBytes bytes of UTF-8, between two characters as
// a reader sees them (never inside a UTF-8 sequence, never between a letter
// and its accent), then trimmed again.
QString cutToBytes(const QString &name, int maxBytes);
// The bytes left for the base name of a file that ends in extension (".mp3"),
// keeping room for a number and for extraBytes more (a temporary suffix).
int baseNameBudget(const QString &extension, int extraBytes = 0);
} // namespace naming

} // namespace quavero
