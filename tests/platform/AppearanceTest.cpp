// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop appearance is read once and kept: asking for it never reads it
// again; a palette change or the portal's change signal make it read anew, and
// a change (only a change) is passed on.
#include "platform/Appearance.h"

#include <QApplication>
#include <QDBusVariant>
#include <QPalette>
#include <gtest/gtest.h>

namespace quavero {

namespace {
// Restores the application palette and GTK_THEME when a test ends.
class AppearanceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_palette = QApplication::palette();
        m_gtkTheme = qgetenv("GTK_THEME");
        qunsetenv("GTK_THEME");
    }
    void TearDown() override
    {
        QApplication::setPalette(m_palette);
        if (m_gtkTheme.isEmpty())
            qunsetenv("GTK_THEME");
        else
            qputenv("GTK_THEME", m_gtkTheme);
    }

    static void setWindowColour(const QColor &colour)
    {
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Window, colour);
        QApplication::setPalette(palette);
    }

private:
    QPalette m_palette;
    QByteArray m_gtkTheme;
};
} // namespace

TEST(AppearanceRule, PortalThenGtkThemeThenPalette)
{
    using appearance::isDarkAppearance;
    EXPECT_TRUE(isDarkAppearance(1, "", 255));
    EXPECT_FALSE(isDarkAppearance(2, "Adwaita:dark", 0));
    // No preference or no answer: GTK_THEME, then the palette.
    EXPECT_TRUE(isDarkAppearance(0, "Adwaita:dark", 255));
    EXPECT_FALSE(isDarkAppearance(-1, "Adwaita", 0));
    EXPECT_TRUE(isDarkAppearance(-1, "", 127));
    EXPECT_FALSE(isDarkAppearance(0, "", 128));
}

TEST_F(AppearanceTest, ReadOnceThenAgainOnlyWhenThePaletteOrThePortalSaysSo)
{
    setWindowColour(Qt::white);
    int portalReads = 0;
    QtAppearance appearance([&portalReads] {
        ++portalReads;
        return 0; // no preference: the palette decides
    });
    int changes = 0;
    appearance.addChangeHandler([&changes] { ++changes; });
    EXPECT_FALSE(appearance.isDark());
    for (int cell = 0; cell < 1000; ++cell)
        (void)appearance.isDark();
    EXPECT_EQ(portalReads, 1);

    // The desktop's palette turns dark.
    setWindowColour(QColor(30, 30, 30));
    EXPECT_TRUE(appearance.isDark());
    EXPECT_EQ(changes, 1);
    // A palette change that leaves the appearance as it is passes nothing on.
    setWindowColour(QColor(20, 20, 20));
    EXPECT_EQ(changes, 1);

    // The portal's signal carries the new scheme; other settings are ignored.
    appearance.portalSettingChanged("org.freedesktop.appearance", "color-scheme", QDBusVariant(uint(2)));
    EXPECT_FALSE(appearance.isDark());
    EXPECT_EQ(changes, 2);
    appearance.portalSettingChanged("org.freedesktop.appearance", "accent-color", QDBusVariant(uint(1)));
    appearance.portalSettingChanged("org.gnome.desktop.interface", "color-scheme", QDBusVariant(uint(1)));
    EXPECT_FALSE(appearance.isDark());
    appearance.portalSettingChanged("org.freedesktop.appearance", "color-scheme",
                                    QDBusVariant(QVariant::fromValue(QDBusVariant(uint(1)))));
    EXPECT_TRUE(appearance.isDark());
    EXPECT_EQ(changes, 3);
    // The portal's scheme, once stated, outweighs the palette.
    setWindowColour(Qt::white);
    EXPECT_TRUE(appearance.isDark());
    EXPECT_EQ(portalReads, 1);
}

TEST_F(AppearanceTest, APaletteTheProgramHoldsIsNotTakenForTheDesktops)
{
    setWindowColour(Qt::white);
    // GNOME's "default" scheme: no preference, so the palette decides.
    QtAppearance appearance([] { return 0; });
    appearance.portalSettingChanged("org.freedesktop.appearance", "color-scheme", QDBusVariant(uint(1)));
    ASSERT_TRUE(appearance.isDark());
    // The program darkens its own palette while the desktop is dark...
    appearance.holdPaletteLightness(true);
    setWindowColour(QColor(53, 53, 53));
    // ...and the desktop turns light again: the held light palette decides.
    appearance.portalSettingChanged("org.freedesktop.appearance", "color-scheme", QDBusVariant(uint(0)));
    EXPECT_FALSE(appearance.isDark());
    setWindowColour(Qt::white);
    appearance.holdPaletteLightness(false);
    EXPECT_FALSE(appearance.isDark());
}

} // namespace quavero
