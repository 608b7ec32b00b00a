// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of a CUE sheet from its bytes, once its encoding is known, and the
// text as the sheet parser takes it. Pure.
#include <QByteArray>
#include <QString>

namespace quavero {

namespace cue {
// The encoding a byte-order mark at the start of bytes names: "UTF-8",
// "UTF-16LE" or "UTF-16BE"; empty without one.
QString bomEncoding(const QByteArray &bytes);

// True when bytes are well-formed UTF-8 (plain ASCII included).
bool isUtf8(const QByteArray &bytes);

// bytes decoded as encoding, a name as uchardet gives it ("UTF-8",
// "WINDOWS-1252", "WINDOWS-1251", "SHIFT_JIS"); a byte-order mark is dropped.
// False when the encoding is unknown, the bytes do not fit it, or the text
// holds a NUL character (no sheet does; libcue would end the text there).
bool decode(const QByteArray &bytes, const QString &encoding, QString *text);

// The text as libcue reads it: UTF-8, every line ended by "\n" (CR LF and a
// lone CR too, as old Mac sheets end them), the last line included: libcue
// rejects a sheet whose last line has no end.
QByteArray forParser(const QString &text);
} // namespace cue

} // namespace quavero
