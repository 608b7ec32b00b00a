// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Notifications.h"

#include <QGuiApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

namespace quavero {

void DBusNotifier::notify(const QString &summary, const QString &body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout
    QVariantMap hints;
    if (!QGuiApplication::desktopFileName().isEmpty())
        hints.insert(QStringLiteral("desktop-entry"), QGuiApplication::desktopFileName());
    message << QCoreApplication::applicationName() << uint(0) << QStringLiteral("audio-x-generic") << summary << body
            << QStringList() << hints << int(-1);
    bus.send(message);
}

} // namespace quavero
