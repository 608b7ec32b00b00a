#pragma once
// Writing the appearance settings to the preferences store.
#include <QColor>
#include <QString>

class IPreferences;

namespace appearancesettings {
// The colour, archived, under key.
void storeColor(IPreferences &preferences, const QString &key, const QColor &color);
// The alternating-rows switch as its decimal text ("1" or "0").
void storeAlternatingRows(IPreferences &preferences, qint64 value);
} // namespace appearancesettings
