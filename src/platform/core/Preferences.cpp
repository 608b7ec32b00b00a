#include "platform/core/Preferences.h"

#include <QSettings>

QtPreferences::QtPreferences()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Quavero"), QStringLiteral("Quavero")))
{
}

QtPreferences::~QtPreferences() = default;

QString QtPreferences::string(const QString &key) const
{
    return m_settings->value(key).toString();
}

void QtPreferences::setString(const QString &key, const QString &value)
{
    m_settings->setValue(key, value);
    m_settings->sync();
}

QByteArray QtPreferences::data(const QString &key) const
{
    return m_settings->value(key).toByteArray();
}

void QtPreferences::setData(const QString &key, const QByteArray &value)
{
    m_settings->setValue(key, value);
    m_settings->sync();
}

bool QtPreferences::contains(const QString &key) const
{
    return m_settings->contains(key);
}

void QtPreferences::remove(const QString &key)
{
    m_settings->remove(key);
    m_settings->sync();
}

QString QtPreferences::fileName() const
{
    return m_settings->fileName();
}

qint64 leadingInteger(const QString &text)
{
    const QString t = text.trimmed();
    int i = 0;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
        ++i;
    int digitsEnd = i;
    while (digitsEnd < t.size() && t[digitsEnd].isDigit() && digitsEnd - i < 18)
        ++digitsEnd;
    if (digitsEnd == i)
        return 0;
    return t.left(digitsEnd).toLongLong();
}
