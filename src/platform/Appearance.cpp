#include "platform/Appearance.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QPalette>

namespace {
// 1 = prefers dark, 2 = prefers light, 0 = no preference, -1 = not available.
int portalColorScheme()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return -1;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"), QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Settings"), QStringLiteral("Read"));
    call << QStringLiteral("org.freedesktop.appearance") << QStringLiteral("color-scheme");
    const QDBusMessage reply = bus.call(call, QDBus::Block, 500);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return -1;
    QVariant v = reply.arguments().first();
    // The value arrives wrapped in one or two variants.
    while (v.canConvert<QDBusVariant>())
        v = v.value<QDBusVariant>().variant();
    bool ok = false;
    const int scheme = v.toInt(&ok);
    return ok ? scheme : -1;
}
} // namespace

bool QtAppearance::isDark() const
{
    const int scheme = portalColorScheme();
    if (scheme == 1)
        return true;
    if (scheme == 2)
        return false;
    const QByteArray gtkTheme = qgetenv("GTK_THEME");
    if (!gtkTheme.isEmpty())
        return gtkTheme.endsWith(":dark");
    return QApplication::palette().color(QPalette::Window).lightness() < 128;
}
