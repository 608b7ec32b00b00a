// SPDX-License-Identifier: GPL-3.0-or-later
// The file list's context menu, as a screen reader and the keyboard meet it:
// a right click on a row or Shift+F10 opens it with Play, Remove, Show in
// Folder and the output format's options, and its items act on the selection.
#include "ListEntries.h"
#include "TestApp.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace quavero {

namespace {
// The menu open now, if any.
QMenu *openMenu() { return qobject_cast<QMenu *>(QApplication::activePopupWidget()); }

// The items of a menu as a screen reader names them, "-" for a separator,
// with "(off)" after an unavailable one.
QStringList spokenItems(QMenu *menu)
{
    QStringList items;
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(menu);
    if (!interface)
        return {"<no interface>"};
    for (int i = 0; i < interface->childCount(); ++i) {
        QAccessibleInterface *item = interface->child(i);
        if (item->role() == QAccessible::Separator) {
            items << "-";
            continue;
        }
        items << item->text(QAccessible::Name) + (item->state().disabled ? " (off)" : "");
    }
    return items;
}

void closeMenus()
{
    while (QMenu *menu = openMenu())
        menu->close();
}
} // namespace

class ListMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetHome();
        ASSERT_TRUE(t.start());
        ASSERT_TRUE(QTest::qWaitForWindowActive(t.window.get()));
        listentries::add(t, {"/music/Album/01 a.flac", "/music/Album/02 b.flac", "/music/Other/03 c.mp3"});
    }
    void TearDown() override { closeMenus(); }
    QTableView *table() const { return t.app->tableviewVideoFiles; }
    QPoint rowCentre(int row) const { return table()->visualRect(table()->model()->index(row, 0)).center(); }
    // A right click as the desktop delivers it: the press (which selects
    // the row under it), then the request for a context menu.
    void rightClick(const QPoint &at)
    {
        QWidget *viewport = table()->viewport();
        QTest::mouseClick(viewport, Qt::RightButton, Qt::NoModifier, at);
        QContextMenuEvent request(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
        QApplication::sendEvent(viewport, &request);
    }

    TestApp t;
};

TEST_F(ListMenuTest, ARightClickOnARowSelectsItAndOpensTheMenu)
{
    rightClick(rowCentre(1));
    QMenu *menu = openMenu();
    ASSERT_NE(menu, nullptr);
    // Play waits for the row's preview; the options belong to .MP3, the format at start.
    EXPECT_EQ(spokenItems(menu), (QStringList{"Play (off)", "Remove", "Show in Folder", "-", "Output Format Options…"}));
    EXPECT_EQ(table()->currentIndex().row(), 1);

    menu->actions().at(2)->trigger(); // Show in Folder
    EXPECT_EQ(t.desktop.shownFiles, QStringList{"/music/Album/02 b.flac"});
}

TEST_F(ListMenuTest, ShiftF10OpensItForTheCurrentRowAndRemoveTakesTheSelection)
{
    table()->setFocus();
    listentries::select(table(), {2});
    table()->setCurrentIndex(table()->model()->index(2, 0));
    QTest::keyClick(table(), Qt::Key_F10, Qt::ShiftModifier);
    QCoreApplication::processEvents();
    QMenu *menu = openMenu();
    ASSERT_NE(menu, nullptr);
    // It opens under the current row.
    EXPECT_EQ(menu->pos(), table()->viewport()->mapToGlobal(table()->visualRect(table()->currentIndex()).bottomLeft()));
    QAction *remove = menu->actions().at(1);
    menu->close();
    remove->trigger();
    ASSERT_EQ(t.app->arrayVideoFiles.count(), 2);
    EXPECT_EQ(t.app->arrayVideoFiles.at(1).s_File_Path(), "/music/Album/02 b.flac");
}

TEST_F(ListMenuTest, WithNothingSelectedShowInFolderIsOff)
{
    listentries::select(table(), {});
    // Below the last row: nothing there to select.
    rightClick(QPoint(10, table()->viewport()->height() - 5));
    QMenu *menu = openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(spokenItems(menu).contains("Show in Folder (off)")) << spokenItems(menu).join(", ").toStdString();
    t.app->OnMenuShowInFolder();
    EXPECT_TRUE(t.desktop.shownFiles.isEmpty());
}

} // namespace quavero
