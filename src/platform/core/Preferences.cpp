// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/Preferences.h"

#include <QSettings>

namespace quavero {

QtPreferences::QtPreferences()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quavero"),
                                             QStringLiteral("Quavero")))
{
}

QtPreferences::~QtPreferences() = default;

QString QtPreferences::string(const QString &key) const { return m_settings->value(key).toString(); }

void QtPreferences::setString(const QString &key, const QString &value)
{
    m_settings->setValue(key, value);
    m_settings->sync();
}

QByteArray QtPreferences::data(const QString &key) const { return m_settings->value(key).toByteArray(); }

void QtPreferences::setData(const QString &key, const QByteArray &value)
{
    m_settings->setValue(key, value);
    m_settings->sync();
}

bool QtPreferences::contains(const QString &key) const { return m_settings->contains(key); }

void QtPreferences::remove(const QString &key)
{
    m_settings->remove(key);
    m_settings->sync();
}

QString QtPreferences::fileName() const { return m_settings->fileName(); }

} // namespace quavero
