// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/AppearanceSettings.h"

#include "app/PreferenceKeys.h"
#include "platform/ColorArchive.h"
#include "common/core/NumberText.h"
#include "platform/core/Preferences.h"

namespace quavero {

namespace appearancesettings {
Loaded load(IPreferences &preferences)
{
    Loaded loaded;
    loaded.background = loadColor(preferences, prefkeys::kColorBackground, defaultcolors::background());
    loaded.spectrum = loadColor(preferences, prefkeys::kColorSpectrum, defaultcolors::spectrum());
    const QString rows = preferences.string(prefkeys::kAlternatingRows);
    if (!rows.isEmpty()) {
        loaded.alternatingRows = leadingInteger(rows);
    } else {
        loaded.alternatingRows = 1;
        storeAlternatingRows(preferences, 1);
    }
    loaded.tableBackground = loadColor(preferences, prefkeys::kColorTableBackground, defaultcolors::tableBackground());
    loaded.tableForeground = loadColor(preferences, prefkeys::kColorTableForeground, defaultcolors::tableForeground());
    return loaded;
}

QColor loadColor(IPreferences &preferences, const QString &key, const QColor &fallback)
{
    if (!preferences.string(key + prefkeys::kMarkerSuffix).isEmpty()) {
        const QColor stored = colorarchive::unarchive(preferences.data(key));
        return stored.isValid() ? stored : fallback;
    }
    preferences.setData(key, colorarchive::archive(fallback));
    preferences.setString(key + prefkeys::kMarkerSuffix, prefkeys::kMarkerValue);
    return fallback;
}

void storeColor(IPreferences &preferences, const QString &key, const QColor &color)
{
    preferences.setData(key, colorarchive::archive(color));
}

void storeAlternatingRows(IPreferences &preferences, qint64 value)
{
    preferences.setString(prefkeys::kAlternatingRows, QString::number(value));
}
} // namespace appearancesettings

} // namespace quavero
