// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A lossless archive of a colour into bytes for the preferences store.
#include <QByteArray>
#include <QColor>

namespace quavero {

namespace colorarchive {
QByteArray archive(const QColor &color);
// An invalid colour when the bytes do not hold an archived colour.
QColor unarchive(const QByteArray &bytes);
} // namespace colorarchive

} // namespace quavero
