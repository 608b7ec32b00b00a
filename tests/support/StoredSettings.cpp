// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoredSettings.h"

#include "app/PreferenceKeys.h"
#include "platform/ColorArchive.h"

#include <QSettings>

namespace quavero {

namespace storedsettings {
namespace {
QSettings &store()
{
    static QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quavero"),
                              QStringLiteral("Quavero"));
    settings.sync();
    return settings;
}
} // namespace

QMap<QString, QVariant> all()
{
    QSettings &settings = store();
    QMap<QString, QVariant> values;
    const QStringList keys = settings.allKeys();
    for (const QString &key : keys)
        values.insert(key, settings.value(key));
    return values;
}

void put(const QString &key, const QVariant &value)
{
    QSettings &settings = store();
    settings.setValue(key, value);
    settings.sync();
}

void putColor(const QString &key, const QColor &color)
{
    put(key, colorarchive::archive(color));
    put(key + prefkeys::kMarkerSuffix, prefkeys::kMarkerValue);
}

void remove(const QString &key)
{
    QSettings &settings = store();
    settings.remove(key);
    settings.sync();
}
} // namespace storedsettings

} // namespace quavero
