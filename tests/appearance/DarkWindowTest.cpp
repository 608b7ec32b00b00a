// SPDX-License-Identifier: GPL-3.0-or-later
// A dark desktop gives a wholly dark window: the toolbar, the menus, the
// headers and the dialogs as well as the list, as a screen reader reads their
// colours. A light desktop keeps the look it gave, and a desktop that changes
// takes the window with it.
#include "TestApp.h"
#include "appearance/DarkWindow.h"
#include "appearance/Window_Colors.h"
#include "appearance/core/WindowLook.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <gtest/gtest.h>

namespace quavero {

namespace {
QColor background(QWidget *widget)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);
    return interface ? interface->backgroundColor() : QColor();
}

QColor foreground(QWidget *widget)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);
    return interface ? interface->foregroundColor() : QColor();
}

// The parts of the window that stayed light on a dark desktop before.
QList<QWidget *> windowParts(TestApp &t)
{
    return {t.window.get(), t.window->findChild<QToolBar *>(), t.window->menuBar(),
            t.window->findChild<QMenu *>("menuFile"), t.app->tableviewVideoFiles->horizontalHeader()};
}
} // namespace

TEST(WindowLook, FusionDarkOnlyWhereTheDesktopIsDarkButItsPaletteIsNot)
{
    using windowlook::Look;
    EXPECT_EQ(windowlook::lookFor(true, 239), Look::FusionDark);
    EXPECT_EQ(windowlook::lookFor(true, 128), Look::FusionDark);
    // The desktop's Qt theme draws dark already: it is left to.
    EXPECT_EQ(windowlook::lookFor(true, 40), Look::Desktop);
    EXPECT_EQ(windowlook::lookFor(false, 239), Look::Desktop);
    EXPECT_EQ(windowlook::lookFor(false, 40), Look::Desktop);
}

class DarkWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetHome();
        m_style = QApplication::style()->name();
        m_palette = QApplication::palette();
    }
    // Whatever a test did, the next one starts with the desktop's look.
    void TearDown() override
    {
        EXPECT_EQ(QApplication::style()->name(), m_style);
        EXPECT_EQ(QApplication::palette().color(QPalette::Window), m_palette.color(QPalette::Window));
    }
    QString m_style;
    QPalette m_palette;
};

TEST_F(DarkWindowTest, ADarkDesktopDarkensEveryPartOfTheWindowAndItsDialogs)
{
    TestApp t;
    t.appearance.dark = true;
    ASSERT_TRUE(t.start());
    // The widgets take a new application palette from the event loop.
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::style()->name().toLower(), "fusion");
    for (QWidget *part : windowParts(t)) {
        ASSERT_NE(part, nullptr);
        EXPECT_LT(background(part).lightness(), 100) << part->metaObject()->className();
        EXPECT_GT(foreground(part).lightness(), 180) << part->metaObject()->className();
    }
    t.app->OnUserToolbarColors();
    ASSERT_NE(t.app->windowColors, nullptr);
    QCoreApplication::processEvents();
    EXPECT_LT(background(t.app->windowColors).lightness(), 100);
    t.app->Cancel_Window_Colors();
    // The list keeps its own rules: black on a dark desktop while rows alternate.
    EXPECT_EQ(t.app->tableviewVideoFiles->palette().color(QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(t.app->cellTextColor(), QColor(Qt::white));
}

TEST_F(DarkWindowTest, ALightDesktopKeepsItsOwnLook)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    EXPECT_EQ(QApplication::style()->name(), m_style);
    EXPECT_EQ(QApplication::palette(), m_palette);
    for (QWidget *part : windowParts(t))
        EXPECT_EQ(background(part), m_palette.color(part->backgroundRole())) << part->metaObject()->className();
}

TEST_F(DarkWindowTest, TheWindowFollowsTheDesktopWhenItChanges)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    t.appearance.change(true);
    QCoreApplication::processEvents();
    EXPECT_LT(background(t.window->menuBar()).lightness(), 100);
    t.appearance.change(false);
    EXPECT_EQ(QApplication::palette(), m_palette);
    EXPECT_EQ(QApplication::style()->name(), m_style);
    t.appearance.change(true);
    EXPECT_LT(QApplication::palette().color(QPalette::Window).lightness(), 100);
    // The program's end gives the desktop's look back (TearDown checks).
}

TEST_F(DarkWindowTest, ADesktopWhoseQtThemeIsDarkAlreadyIsLeftToDraw)
{
    QPalette themeDark = m_palette;
    themeDark.setColor(QPalette::Window, QColor(40, 40, 45));
    themeDark.setColor(QPalette::Base, QColor(30, 30, 30));
    QApplication::setPalette(themeDark);
    {
        FakeAppearance appearance;
        appearance.dark = true;
        DarkWindow look(appearance);
        look.apply();
        EXPECT_FALSE(look.isApplied());
        EXPECT_EQ(QApplication::palette().color(QPalette::Base), QColor(30, 30, 30));
    }
    QApplication::setPalette(m_palette);
}

} // namespace quavero
