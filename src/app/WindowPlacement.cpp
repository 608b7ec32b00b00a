// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowPlacement.h"

#include "app/PreferenceKeys.h"
#include "platform/core/Preferences.h"

#include <QEvent>
#include <QMainWindow>
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
    // Qt keeps the frame and the size apart, the place before maximizing,
    // and moves a window that would be off the screens it has now (one
    // unplugged since, a smaller one) back onto one.
    const QByteArray place = m_preferences.data(prefkeys::kWindowPlace);
    if (!place.isEmpty())
        m_window.restoreGeometry(place);
    const QByteArray splitterState = m_preferences.data(prefkeys::kWindowSplitter);
    if (m_splitter && !splitterState.isEmpty())
        m_splitter->restoreState(splitterState);
}

void WindowPlacement::watch()
{
    m_lastPlace = m_window.saveGeometry();
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

void WindowPlacement::store()
{
    // Only what changed is written: a window that was only shown leaves the
    // preferences as they were.
    const QByteArray place = m_window.saveGeometry();
    if (place != m_lastPlace) {
        m_preferences.setData(prefkeys::kWindowPlace, place);
        m_lastPlace = place;
    }
    const QByteArray splitter = m_splitter ? m_splitter->saveState() : QByteArray();
    if (splitter != m_lastSplitter) {
        m_preferences.setData(prefkeys::kWindowSplitter, splitter);
        m_lastSplitter = splitter;
    }
}

} // namespace quavero
