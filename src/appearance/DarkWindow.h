// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Makes the whole application dark (toolbar, menus, headers, dialogs, not
// only the list) while the desktop says dark: Qt's Fusion style with a dark
// palette, unless the desktop's own Qt platform theme draws dark already. On
// a light desktop the style and palette the desktop gave stay untouched, and
// they come back when the desktop turns light again.
#include <QPalette>
#include <QString>

namespace quavero {

class IAppearance;

class DarkWindow {
public:
    // appearance must outlive this object.
    explicit DarkWindow(IAppearance &appearance);
    // Gives the application the desktop's look back.
    ~DarkWindow();
    DarkWindow(const DarkWindow &) = delete;
    DarkWindow &operator=(const DarkWindow &) = delete;
    // Takes the look the appearance calls for now.
    void apply();
    // True while the Fusion style and the dark palette are in place.
    bool isApplied() const { return m_applied; }

    // The dark palette: dark grey windows and buttons, near-black bases with
    // alternate rows a step lighter, light text, a blue highlight; greyed
    // text for disabled controls.
    static QPalette darkPalette();

private:
    void takeDesktopLook();

    IAppearance &m_appearance;
    bool m_applied = false;
    QString m_desktopStyle;
    QPalette m_desktopPalette;
};

} // namespace quavero
