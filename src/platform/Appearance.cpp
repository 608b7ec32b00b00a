// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Appearance.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QEvent>
#include <QPalette>

namespace quavero {

namespace {
const char *const kPortalService = "org.freedesktop.portal.Desktop";
const char *const kPortalPath = "/org/freedesktop/portal/desktop";
const char *const kPortalInterface = "org.freedesktop.portal.Settings";
const char *const kAppearanceNameSpace = "org.freedesktop.appearance";
const char *const kColorSchemeKey = "color-scheme";

// The colour scheme in a portal value, which arrives wrapped in one or two
// variants; -1 when it holds no number.
int schemeOf(QVariant value)
{
    while (value.canConvert<QDBusVariant>())
        value = value.value<QDBusVariant>().variant();
    bool ok = false;
    const int scheme = value.toInt(&ok);
    return ok ? scheme : -1;
}

// 1 = prefers dark, 2 = prefers light, 0 = no preference, -1 = not available.
// Asked once at start; a portal that is slow to answer delays only that.
int readPortalColorScheme()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return -1;
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(kPortalService), QLatin1String(kPortalPath),
                                                       QLatin1String(kPortalInterface), QStringLiteral("Read"));
    call << QLatin1String(kAppearanceNameSpace) << QLatin1String(kColorSchemeKey);
    const QDBusMessage reply = bus.call(call, QDBus::Block, 500);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return -1;
    return schemeOf(reply.arguments().first());
}

int paletteWindowLightness() { return QApplication::palette().color(QPalette::Window).lightness(); }
} // namespace

namespace appearance {
bool isDarkAppearance(int portalScheme, const QByteArray &gtkTheme, int windowLightness)
{
    if (portalScheme == 1)
        return true;
    if (portalScheme == 2)
        return false;
    if (!gtkTheme.isEmpty())
        return gtkTheme.endsWith(":dark");
    return windowLightness < 128;
}
} // namespace appearance

QtAppearance::QtAppearance() : QtAppearance(readPortalColorScheme)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected())
        bus.connect(QLatin1String(kPortalService), QLatin1String(kPortalPath), QLatin1String(kPortalInterface),
                    QStringLiteral("SettingChanged"), this, SLOT(portalSettingChanged(QString, QString, QDBusVariant)));
}

QtAppearance::QtAppearance(std::function<int()> readPortal) : m_portalScheme(readPortal())
{
    m_dark = appearance::isDarkAppearance(m_portalScheme, qgetenv("GTK_THEME"), paletteLightness());
    if (QCoreApplication *application = QCoreApplication::instance())
        application->installEventFilter(this);
}

void QtAppearance::refresh()
{
    const bool dark = appearance::isDarkAppearance(m_portalScheme, qgetenv("GTK_THEME"), paletteLightness());
    if (dark == m_dark)
        return;
    m_dark = dark;
    notifyChanged();
}

void QtAppearance::holdPaletteLightness(bool hold) { m_heldLightness = hold ? paletteWindowLightness() : -1; }

int QtAppearance::paletteLightness() const { return m_heldLightness >= 0 ? m_heldLightness : paletteWindowLightness(); }

void QtAppearance::portalSettingChanged(const QString &nameSpace, const QString &key, const QDBusVariant &value)
{
    if (nameSpace != QLatin1String(kAppearanceNameSpace) || key != QLatin1String(kColorSchemeKey))
        return;
    // The signal carries the new value: no need to ask the portal again.
    m_portalScheme = schemeOf(QVariant::fromValue(value));
    refresh();
}

bool QtAppearance::eventFilter(QObject *watched, QEvent *event)
{
    // The event reaches every widget as well; the application's own copy is
    // enough.
    if (event->type() == QEvent::ApplicationPaletteChange && watched == QCoreApplication::instance())
        refresh();
    return QObject::eventFilter(watched, event);
}

} // namespace quavero
