// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/DarkWindow.h"

#include "appearance/core/WindowLook.h"
#include "platform/Appearance.h"

#include <QApplication>
#include <QStyle>

namespace quavero {

DarkWindow::DarkWindow(IAppearance &appearance) : m_appearance(appearance) {}

DarkWindow::~DarkWindow()
{
    if (m_applied)
        takeDesktopLook();
}

void DarkWindow::takeDesktopLook()
{
    m_applied = false;
    QApplication::setStyle(m_desktopStyle);
    QApplication::setPalette(m_desktopPalette);
    m_appearance.holdPaletteLightness(false);
}

void DarkWindow::apply()
{
    if (!m_applied) {
        m_desktopPalette = QApplication::palette();
        m_desktopStyle = QApplication::style()->name();
    }
    const windowlook::Look look =
        windowlook::lookFor(m_appearance.isDark(), m_desktopPalette.color(QPalette::Window).lightness());
    if (look == windowlook::Look::FusionDark && !m_applied) {
        // The appearance must not read the program's own palette as the
        // desktop's: it would stay dark when the desktop turns light.
        m_appearance.holdPaletteLightness(true);
        m_applied = true;
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(darkPalette());
    } else if (look == windowlook::Look::Desktop && m_applied) {
        takeDesktopLook();
    }
}

QPalette DarkWindow::darkPalette()
{
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230), disabledText(127, 127, 127);
    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, QColor(45, 45, 45));
    palette.setColor(QPalette::ToolTipBase, window);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, disabledText);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, Qt::red);
    palette.setColor(QPalette::Light, QColor(80, 80, 80));
    palette.setColor(QPalette::Midlight, QColor(66, 66, 66));
    palette.setColor(QPalette::Mid, QColor(44, 44, 44));
    palette.setColor(QPalette::Dark, QColor(25, 25, 25));
    palette.setColor(QPalette::Shadow, QColor(15, 15, 15));
    palette.setColor(QPalette::Link, QColor(90, 160, 255));
    palette.setColor(QPalette::LinkVisited, QColor(170, 130, 255));
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(80, 80, 80));
    palette.setColor(QPalette::Disabled, QPalette::HighlightedText, disabledText);
    return palette;
}

} // namespace quavero
