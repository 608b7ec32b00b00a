// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's light or dark appearance. It is read once at start and again
// only when the desktop says it changed; asking for it costs nothing, so the
// file table may ask for every cell it paints.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <functional>

class QDBusVariant;

namespace quavero {

class IAppearance {
public:
    virtual ~IAppearance() = default;
    // The appearance as last read; never blocks.
    virtual bool isDark() const = 0;
    // The program is about to give the application a palette of its own (a
    // dark one), and later the desktop's back: meanwhile the rule's last
    // resort keeps reading the desktop's palette as it was, not the program's.
    virtual void holdPaletteLightness(bool /*hold*/) {}
    // Each handler is called, in the order added, on the main thread after
    // isDark() has changed.
    void addChangeHandler(std::function<void()> handler) { m_changed << std::move(handler); }

protected:
    void notifyChanged() const
    {
        for (const auto &handler : m_changed)
            handler();
    }

private:
    QList<std::function<void()>> m_changed;
};

namespace appearance {
// The rule that decides: the desktop portal's colour scheme (1 prefers dark,
// 2 prefers light) where it states one; else a GTK_THEME ending in ":dark"
// where that is set; else a palette whose window colour is darker than middle
// grey (lightness below 128). portalScheme -1 means the portal did not answer.
bool isDarkAppearance(int portalScheme, const QByteArray &gtkTheme, int windowLightness);
} // namespace appearance

// The appearance by that rule, from the portal's setting
// "org.freedesktop.appearance color-scheme" over D-Bus where a session bus
// exists, GTK_THEME and the application palette. Read when made (the
// application must exist by then), again when the portal signals a change of
// that setting (its SettingChanged signal), and again when the application's
// palette changes.
class QtAppearance : public QObject, public IAppearance {
    Q_OBJECT
public:
    // Asks the portal over the session bus and listens to its signal.
    QtAppearance();
    // For tests: readPortal stands in for the portal's answer at start (-1
    // for none); no bus is used.
    explicit QtAppearance(std::function<int()> readPortal);
    bool isDark() const override { return m_dark; }
    void holdPaletteLightness(bool hold) override;

    // Decides anew by the rule, with the portal's last known scheme, GTK_THEME
    // and the palette as they are now; notifies when the appearance changed.
    void refresh();

public slots:
    // The portal's SettingChanged(namespace, key, value) signal.
    void portalSettingChanged(const QString &nameSpace, const QString &key, const QDBusVariant &value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The palette's lightness as the rule reads it: the application's, or
    // while held the one it had when the hold began.
    int paletteLightness() const;

    int m_portalScheme = -1;
    bool m_dark = false;
    int m_heldLightness = -1; // -1: not held
};

} // namespace quavero
