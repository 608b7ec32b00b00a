// SPDX-License-Identifier: GPL-3.0-or-later
// The main window from the keyboard: the focus order, the menus with their
// shortcuts, the Sort by menu, and the options command at start.
#include "ListEntries.h"
#include "StoredSettings.h"
#include "TestApp.h"
#include "app/PreferenceKeys.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace quavero {

namespace {
QStringList names(const TestApp &t)
{
    QStringList out;
    const QAbstractItemModel *model = t.app->tableviewVideoFiles->model();
    for (int row = 0; row < model->rowCount(); ++row)
        out << model->index(row, 0).data().toString();
    return out;
}

// The titles of a menu's items, submenus as "title>", separators as "-".
QStringList itemTitles(const QMenu *menu)
{
    QStringList titles;
    for (const QAction *action : menu->actions())
        titles << (action->isSeparator() ? QStringLiteral("-")
                                         : action->text() + (action->menu() ? QStringLiteral(">") : QString()));
    return titles;
}
} // namespace

class WindowCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetHome();
        ASSERT_TRUE(t.start());
        ASSERT_TRUE(QTest::qWaitForWindowActive(t.window.get()));
    }
    QAction *action(const char *name) const { return t.window->findChild<QAction *>(QLatin1String(name)); }
    QMenu *menu(const char *name) const { return t.window->findChild<QMenu *>(QLatin1String(name)); }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : t.window.get(), key, modifiers);
    }
    TestApp t;
};

TEST_F(WindowCommandsTest, TabGoesTableFormatBoxOptionsAndBackWhileArrowsMoveBetweenRows)
{
    listentries::add(t, {"/music/a.mp3", "/music/b.mp3", "/music/c.mp3"});
    QTableView *table = t.app->tableviewVideoFiles;
    table->setFocus();
    table->setCurrentIndex(table->model()->index(0, 0));
    ASSERT_EQ(QApplication::focusWidget(), table);

    press(Qt::Key_Down);
    EXPECT_EQ(table->currentIndex().row(), 1);
    EXPECT_EQ(QApplication::focusWidget(), table);

    const QList<QWidget *> order = {t.app->comboboxOutputFormat, t.app->buttonFormatOptions, table,
                                    t.app->comboboxOutputFormat};
    for (QWidget *expected : order) {
        press(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
    }
    press(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), table);

    // Without options (.AC3) the button is left out.
    t.app->comboboxOutputFormat->setCurrentIndex(0);
    t.app->OnComboOutputFormat();
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), table);
}

TEST_F(WindowCommandsTest, TheOutputFormatMnemonicFocusesTheBox)
{
    t.app->tableviewVideoFiles->setFocus();
    press(Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), t.app->comboboxOutputFormat);
}

TEST_F(WindowCommandsTest, MenusHoldEveryCommand)
{
    EXPECT_EQ(itemTitles(menu("menuFile")),
              (QStringList{"&Add Files…", "Add Fol&der…", "Add Folder and &Subfolders…", "-", "&Remove", "C&lear", "-",
                           "&Convert…", "Save &Job List…", "Output &Format Options…", "-", "&Quit"}));
    EXPECT_EQ(itemTitles(menu("menuView")), (QStringList{"&Sort by>", "-", "&Colors…"}));
    EXPECT_EQ(itemTitles(menu("menuSortBy")), (QStringList{"&Name", "&Format", "&Size", "&Duration"}));
    EXPECT_EQ(itemTitles(menu("menuPlayback")), (QStringList{"Play/Pa&use", "-", "&Play", "P&ause", "&Stop"}));
    EXPECT_EQ(itemTitles(menu("menuHelp")), (QStringList{"Quavero &Web Page", "Quavero &Home Page", "&Privacy Note",
                                                         "&Report a Problem", "-", "&About Quavero"}));
    EXPECT_EQ(itemTitles(menu("menuFileList")),
              (QStringList{"&Play", "&Remove", "&Show in Folder", "-", "Output &Format Options…"}));
}

TEST_F(WindowCommandsTest, ShortcutsReachTheirCommandsAlsoWhileTheToolbarIsDisabled)
{
    t.app->EnableToolbar(false); // as while a preview is made
    const struct {
        QAction *item;
        QKeySequence keys;
    } cases[] = {
        {action("menuItemAddVideos"), QKeySequence(Qt::CTRL | Qt::Key_O)},
        {action("menuItemAddFolder"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O)},
        {action("menuItemRemoveVideos"), QKeySequence(Qt::Key_Delete)},
        {action("menuItemRemoveAllVideos"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete)},
        {action("menuItemConvert"), QKeySequence(Qt::CTRL | Qt::Key_Return)},
        {action("menuItemConvert"), QKeySequence(Qt::CTRL | Qt::Key_Enter)},
        {action("menuItemFormatOptions"), QKeySequence(Qt::CTRL | Qt::Key_Comma)},
    };
    t.app->tableviewVideoFiles->setFocus();
    for (const auto &c : cases) {
        EXPECT_TRUE(c.item->isEnabled()) << c.item->objectName().toStdString();
        QSignalSpy triggered(c.item, &QAction::triggered);
        const QKeyCombination key = c.keys[0];
        press(key.key(), key.keyboardModifiers());
        EXPECT_EQ(triggered.count(), 1) << c.item->objectName().toStdString();
        if (QWidget *sheet = QApplication::activeModalWidget()) // the options dialog
            sheet->close();
        t.app->Close_Window_MP3();
        QApplication::processEvents();
        t.app->tableviewVideoFiles->setFocus();
    }
}

TEST_F(WindowCommandsTest, DeleteRemovesTheSelectedRowsAndCtrlShiftDeleteClears)
{
    listentries::add(t, {"/music/a.mp3", "/music/b.mp3", "/music/c.mp3"});
    listentries::select(t.app->tableviewVideoFiles, {1});
    t.app->tableviewVideoFiles->setFocus();
    press(Qt::Key_Delete);
    EXPECT_EQ(names(t), (QStringList{"a", "c"}));
    press(Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(names(t).isEmpty());
}

TEST_F(WindowCommandsTest, SpaceIsPlayPauseOnlyInTheTable)
{
    QSignalSpy triggered(action("menuItemPlayPause"), &QAction::triggered);
    action("menuItemPlayPause")->setEnabled(true);
    t.app->comboboxOutputFormat->setFocus();
    press(Qt::Key_Space);
    QApplication::processEvents();
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    EXPECT_EQ(triggered.count(), 0);
    t.app->tableviewVideoFiles->setFocus();
    press(Qt::Key_Space);
    EXPECT_EQ(triggered.count(), 1);
    // Disabled (no preview ready), Space does nothing.
    action("menuItemPlayPause")->setEnabled(false);
    press(Qt::Key_Space);
    EXPECT_EQ(triggered.count(), 1);
}

TEST_F(WindowCommandsTest, SortByActsLikeAClickOnTheColumnHeader)
{
    listentries::add(t, {"/music/b.mp3", "/music/c.mp3", "/music/a.mp3"});
    QHeaderView *header = t.app->tableviewVideoFiles->horizontalHeader();
    action("menuItemSortByName")->trigger();
    EXPECT_EQ(names(t), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(header->sortIndicatorSection(), 0);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);
    action("menuItemSortByName")->trigger();
    EXPECT_EQ(names(t), (QStringList{"c", "b", "a"}));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);

    // The first pick of another column sorts it descending, and clears Name's
    // direction: Name then sorts descending too.
    action("menuItemSortByFormat")->trigger();
    EXPECT_EQ(header->sortIndicatorSection(), 1);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    action("menuItemSortByName")->trigger();
    EXPECT_EQ(names(t), (QStringList{"c", "b", "a"}));
    EXPECT_EQ(header->sortIndicatorSection(), 0);
    action("menuItemSortBySize")->trigger();
    EXPECT_EQ(header->sortIndicatorSection(), 2);
    action("menuItemSortByDuration")->trigger();
    EXPECT_EQ(header->sortIndicatorSection(), 3);
    EXPECT_EQ(t.app->m_b_Col4_Ascenging, 1);
}

TEST_F(WindowCommandsTest, ColorsAndOutputFormatOptionsOpenTheirDialogs)
{
    action("menuItemColors")->trigger();
    EXPECT_NE(t.app->windowColors, nullptr);
    t.app->Cancel_Window_Colors();
    action("menuItemFormatOptions")->trigger(); // .MP3 at first start
    EXPECT_NE(t.app->windowMP3, nullptr);
    t.app->Close_Window_MP3();
}

// .AC3 has no options: a start with it stored leaves the options button and
// its menu item off, as picking it does.
TEST(WindowCommandsStart, StoredAc3DisablesTheOptionsCommandAtStart)
{
    testenv::resetHome();
    ASSERT_TRUE(QDir().mkpath(testenv::workFolder()));
    for (const auto &[stored, enabled] : {std::pair{"0", false}, std::pair{"8", true}, std::pair{"14", true}}) {
        storedsettings::put(prefkeys::kOutputFormat, QString::fromLatin1(stored));
        TestApp t;
        ASSERT_TRUE(t.start());
        EXPECT_EQ(t.app->buttonFormatOptions->isEnabled(), enabled) << stored;
        EXPECT_EQ(t.window->findChild<QAction *>("menuItemFormatOptions")->isEnabled(), enabled) << stored;
    }
}

} // namespace quavero
