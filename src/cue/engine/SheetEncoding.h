// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of a CUE sheet from its bytes, in whatever encoding it was saved:
// a byte-order mark decides when there is one, else uchardet tells the
// encoding (UTF-8, Windows-1252 and Latin-1, Windows-1251, Shift-JIS, ...).
#include <QByteArray>
#include <QString>

namespace quavero {

struct SheetText {
    bool ok = false; // false: no encoding fits the bytes
    QString text;
    QString encoding; // what the text was read as: "UTF-8", "WINDOWS-1252", "SHIFT_JIS"
};

namespace cue {
SheetText readText(const QByteArray &bytes);
} // namespace cue

} // namespace quavero
