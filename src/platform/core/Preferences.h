// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user preferences store: string and data values under fixed keys.
// Every value is written the moment it changes.
#include <QByteArray>
#include <QString>
#include <memory>

class QSettings;

namespace quavero {

class IPreferences {
public:
    virtual ~IPreferences() = default;
    // A missing key reads as the empty string / empty data.
    virtual QString string(const QString &key) const = 0;
    virtual void setString(const QString &key, const QString &value) = 0;
    virtual QByteArray data(const QString &key) const = 0;
    virtual void setData(const QString &key, const QByteArray &value) = 0;
    virtual bool contains(const QString &key) const = 0;
    virtual void remove(const QString &key) = 0;
};

// QSettings in the native format, organisation and application "Quavero".
class QtPreferences : public IPreferences {
public:
    QtPreferences();
    ~QtPreferences() override;
    QString string(const QString &key) const override;
    void setString(const QString &key, const QString &value) override;
    QByteArray data(const QString &key) const override;
    void setData(const QString &key, const QByteArray &value) override;
    bool contains(const QString &key) const override;
    void remove(const QString &key) override;
    // Where the values are kept (for the README and for tests).
    QString fileName() const;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace quavero
