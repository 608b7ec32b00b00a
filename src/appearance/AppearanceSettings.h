// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and writing the appearance settings in the preferences store.
#include <QColor>
#include <QString>

namespace quavero {

class IPreferences;

namespace appearancesettings {
// The five settings as start-up reads them.
struct Loaded {
    QColor background;      // the waveform's background
    QColor spectrum;        // the waveform
    qint64 alternatingRows; // the file list's alternating-rows switch
    QColor tableBackground;
    QColor tableForeground;
};
// Reads the five settings, writing the default of each one that is missing
// (in this order: background, spectrum, rows, table background, table text).
Loaded load(IPreferences &preferences);
// The colour stored under key, when its marker key says one was stored, else
// the fallback, which is then stored with its marker. A stored colour that
// cannot be decoded gives the fallback without touching the store.
QColor loadColor(IPreferences &preferences, const QString &key, const QColor &fallback);

// The colour, archived, under key.
void storeColor(IPreferences &preferences, const QString &key, const QColor &color);
// The alternating-rows switch as its decimal text ("1" or "0").
void storeAlternatingRows(IPreferences &preferences, qint64 value);
} // namespace appearancesettings

} // namespace quavero
