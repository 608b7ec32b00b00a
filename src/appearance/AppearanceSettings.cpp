#include "appearance/AppearanceSettings.h"

#include "app/PreferenceKeys.h"
#include "platform/ColorArchive.h"
#include "platform/core/Preferences.h"

namespace appearancesettings {
void storeColor(IPreferences &preferences, const QString &key, const QColor &color)
{
    preferences.setData(key, colorarchive::archive(color));
}

void storeAlternatingRows(IPreferences &preferences, qint64 value)
{
    preferences.setString(prefkeys::kAlternatingRows, QString::number(value));
}
} // namespace appearancesettings
