#include "platform/core/Preferences.h"

#include <QSettings>

#include <limits>

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
    // Only ASCII digits count (other scripts' digits are not numbers here), and
    // a number too long for 64 bits stops at the largest value rather than
    // wrapping round.
    const QString t = text.trimmed();
    int i = 0;
    const bool negative = i < t.size() && t[i] == QLatin1Char('-');
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+')))
        ++i;
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    qint64 value = 0;
    for (; i < t.size() && t[i] >= QLatin1Char('0') && t[i] <= QLatin1Char('9'); ++i) {
        const int digit = t[i].unicode() - '0';
        if (value > (kMax - digit) / 10)
            return negative ? std::numeric_limits<qint64>::min() : kMax;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}
