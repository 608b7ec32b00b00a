// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's place, size and splitter position across starts. They
// are brought back (onto the screen) before the window is first shown, and
// stored, as every preference is, when the user changes them: a moment after
// the window was moved, resized, maximized or the splitter dragged.
#include <QByteArray>
#include <QObject>
#include <QTimer>

class QMainWindow;
class QSplitter;

namespace quavero {

class IPreferences;

class WindowPlacement : public QObject {
public:
    WindowPlacement(QMainWindow &window, QSplitter *splitter, IPreferences &preferences, QObject *parent = nullptr);

    // Places the window as it was stored (Qt's saved geometry: the frame's
    // place, the size, maximized or not), moved onto a screen when it would
    // be off the screens there are now, and sets the splitter as it was.
    // Leaves both as they are when nothing usable is stored. Call before the
    // window is first shown.
    void restore();
    // Call once the window is shown: from now on a place or splitter other
    // than the shown one is stored.
    void watch();
    // Stores a change still waiting for its moment (the program is ending).
    void storePending();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void store();

    QMainWindow &m_window;
    QSplitter *m_splitter;
    IPreferences &m_preferences;
    QTimer m_pause;
    bool m_watching = false;
    QByteArray m_lastPlace;
    QByteArray m_lastSplitter;
};

} // namespace quavero
