// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowPlacement.h"

#include "app/PreferenceKeys.h"
#include "app/core/WindowPlace.h"
#include "platform/core/Preferences.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QSplitter>

namespace quavero {

WindowPlacement::WindowPlacement(QMainWindow &window, QSplitter *splitter, IPreferences &preferences, QObject *parent)
    : QObject(parent), m_window(window), m_splitter(splitter), m_preferences(preferences)
{
    // A window dragged across the screen moves many times a second; its
    // place is written once it has come to rest.
    m_pause.setSingleShot(true);
    m_pause.setInterval(500);
    connect(&m_pause, &QTimer::timeout, this, &WindowPlacement::store);
}

void WindowPlacement::restore()
{
    if (const std::optional<WindowPlace> place = windowplace::fromText(m_preferences.string(prefkeys::kWindowPlace))) {
        // A screen unplugged since: the window comes back on the one it opens on.
        QScreen *screen = QGuiApplication::screenAt(place->geometry.center());
        if (!screen)
            screen = m_window.screen() ? m_window.screen() : QGuiApplication::primaryScreen();
        if (screen)
            m_window.setGeometry(windowplace::fitted(place->geometry, screen->availableGeometry(), m_window.minimumSize()));
        if (place->maximized)
            m_window.setWindowState(m_window.windowState() | Qt::WindowMaximized);
    }
    const QByteArray splitterState = m_preferences.data(prefkeys::kWindowSplitter);
    if (m_splitter && !splitterState.isEmpty())
        m_splitter->restoreState(splitterState);
}

void WindowPlacement::watch()
{
    m_lastPlace = currentPlace();
    m_lastSplitter = m_splitter ? m_splitter->saveState() : QByteArray();
    if (m_watching)
        return;
    m_watching = true;
    m_window.installEventFilter(this);
    if (m_splitter)
        connect(m_splitter, &QSplitter::splitterMoved, this, [this] { m_pause.start(); });
}

void WindowPlacement::storePending()
{
    if (m_pause.isActive()) {
        m_pause.stop();
        store();
    }
}

bool WindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize || event->type() == QEvent::WindowStateChange))
        m_pause.start();
    return QObject::eventFilter(watched, event);
}

QString WindowPlacement::currentPlace() const
{
    const bool maximized = m_window.isMaximized();
    return windowplace::toText({maximized ? m_window.normalGeometry() : m_window.geometry(), maximized});
}

void WindowPlacement::store()
{
    // Only what changed is written: a window that was only shown leaves the
    // preferences as they were.
    const QString place = currentPlace();
    if (place != m_lastPlace) {
        m_preferences.setString(prefkeys::kWindowPlace, place);
        m_lastPlace = place;
    }
    const QByteArray splitter = m_splitter ? m_splitter->saveState() : QByteArray();
    if (splitter != m_lastSplitter) {
        m_preferences.setData(prefkeys::kWindowSplitter, splitter);
        m_lastSplitter = splitter;
    }
}

} // namespace quavero
