// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Direct access to the preferences file of the test's HOME, to prepare a
// start and to see exactly what a start wrote.
#include <QByteArray>
#include <QColor>
#include <QMap>
#include <QString>
#include <QVariant>

namespace quavero {

namespace storedsettings {
// Every key and value the preferences store holds.
QMap<QString, QVariant> all();
// Stores an appearance colour with its marker, as a start-up or the colours
// dialog would have left it.
void putColor(const QString &key, const QColor &color);
void put(const QString &key, const QVariant &value);
void remove(const QString &key);
} // namespace storedsettings

} // namespace quavero
