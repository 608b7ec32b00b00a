// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands: the size floor, the toolbar's state while a
// preview is made, the menu's forwards and the web pages.
#include "ListEntries.h"
#include "TestApp.h"
#include "app/WebPages.h"

#include <QAction>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace quavero {

class CommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetHome();
        ASSERT_TRUE(t.start());
    }
    QAction *item(const char *name) const
    {
        QAction *action = t.window->findChild<QAction *>(QLatin1String(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    QList<QAction *> mainCommands() const
    {
        return {item("toolbarItemAdd"), item("toolbarItemFolder"), item("toolbarItemRemove"), item("toolbarItemClear"),
                item("toolbarItemConvert")};
    }
    bool mainCommandsEnabled(bool enabled) const
    {
        for (QAction *item : mainCommands())
            if (item->isEnabled() != enabled)
                return false;
        return true;
    }
    TestApp t;
};

TEST(WindowSize, NeverBelowEightHundredByThreeHundredForty)
{
    const struct {
        QSizeF proposed;
        QSizeF used;
    } cases[] = {
        {{600, 200}, {800, 340}},   {{900, 300}, {900, 340}},     {{1000, 700}, {1000, 700}},
        {{799.5, 340}, {800, 340}}, {{5000, 4000}, {5000, 4000}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(AppDelegate::windowWillResize(c.proposed), c.used) << c.proposed.width() << "x" << c.proposed.height();
}

TEST_F(CommandsTest, TheMainWindowKeepsItsMinimumSize)
{
    EXPECT_EQ(t.window->minimumSize(), QSize(800, 340));
    t.window->resize(600, 200);
    EXPECT_EQ(t.window->size(), QSize(800, 340));
}

TEST_F(CommandsTest, EnableToolbarTouchesOnlyTheFiveMainCommands)
{
    t.app->OnUserToolbarPlay(); // no selection: only an alert
    const bool playEnabled = item("toolbarItemPlay")->isEnabled();
    t.app->EnableToolbar(false);
    EXPECT_TRUE(mainCommandsEnabled(false));
    EXPECT_TRUE(item("toolbarItemColors")->isEnabled());
    EXPECT_EQ(item("toolbarItemPlay")->isEnabled(), playEnabled);
    for (QAction *menu : {item("menuItemAddVideos"), item("menuItemAddFolder"), item("menuItemRemoveVideos"),
                          item("menuItemRemoveAllVideos"), item("menuItemConvert")})
        EXPECT_TRUE(menu->isEnabled()) << menu->objectName().toStdString();
    t.app->TimerReEnableToolbarRoutine();
    EXPECT_TRUE(mainCommandsEnabled(true));
}

TEST_F(CommandsTest, ItemsHaveIcons)
{
    for (QAction *item : mainCommands() + QList<QAction *>{item("toolbarItemPlay"), item("toolbarItemPause"),
                                                           item("toolbarItemStop"), item("toolbarItemColors")})
        EXPECT_FALSE(item->icon().isNull()) << item->objectName().toStdString();
}

TEST_F(CommandsTest, TwoRowsNeitherDisableNorEnableTheToolbar)
{
    listentries::add(t, {"/music/a.mp3", "/music/b.mp3"});
    listentries::select(t.app->tableviewVideoFiles, {0, 1});
    EXPECT_TRUE(mainCommandsEnabled(true));

    QSignalSpy prepared(t.app.get(), &AppDelegate::previewPrepared);
    listentries::select(t.app->tableviewVideoFiles, {0});
    listentries::select(t.app->tableviewVideoFiles, {0, 1});
    EXPECT_TRUE(mainCommandsEnabled(false));
    // The preparation of the single row still runs and gives them back.
    ASSERT_TRUE(prepared.wait(20000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return mainCommandsEnabled(true); }, 2000));
}

TEST_F(CommandsTest, MenuAndToolbarReachTheirOperations)
{
    listentries::add(t, {"/music/a.mp3", "/music/b.mp3", "/music/c.mp3"});
    listentries::select(t.app->tableviewVideoFiles, {1, 2});
    item("toolbarItemRemove")->trigger();
    EXPECT_EQ(t.app->arrayVideoFiles.count(), 1);
    item("menuItemRemoveAllVideos")->trigger();
    EXPECT_EQ(t.app->arrayVideoFiles.count(), 0);

    item("menuItemPlay")->setEnabled(true);
    item("menuItemPlay")->trigger();
    ASSERT_EQ(t.prompts.alerts.size(), 1);
    EXPECT_EQ(t.prompts.alerts[0].message, "There is no audio file selected.");
    item("toolbarItemConvert")->trigger();
    ASSERT_EQ(t.prompts.alerts.size(), 2);
    EXPECT_EQ(t.prompts.alerts[1].message, "There are no audio files on the list.");

    for (QAction *pause : {item("menuItemPause"), item("toolbarItemPause")}) {
        pause->setEnabled(true);
        t.app->i_PlayingStatus = 0;
        pause->trigger();
        EXPECT_EQ(t.app->i_PlayingStatus, 2) << pause->objectName().toStdString();
    }
    for (QAction *stop : {item("menuItemStop"), item("toolbarItemStop")}) {
        stop->setEnabled(true);
        t.app->i_PlayingStatus = 2;
        stop->trigger();
        EXPECT_EQ(t.app->i_PlayingStatus, 0) << stop->objectName().toStdString();
    }

    item("toolbarItemColors")->trigger();
    EXPECT_NE(t.app->windowColors, nullptr);
    t.app->Cancel_Window_Colors();

    item("menuItemQuit")->trigger();
    EXPECT_EQ(t.exitStatus, 0);
}

TEST_F(CommandsTest, TheFourWebCommandsOpenTheProjectPages)
{
    for (QAction *item : {item("menuItemAppHomePage"), item("menuItemCompanyHomePage"), item("menuItemPrivacyPolicy"),
                          item("menuItemSupportTicket")})
        item->trigger();
    const QList<QUrl> expected = {webpages::productPage(), webpages::homePage(), webpages::privacyNote(),
                                  webpages::issueTracker()};
    ASSERT_EQ(t.desktop.openedUrls, expected);
    for (const QUrl &url : expected) {
        EXPECT_EQ(url.scheme(), "https");
        EXPECT_TRUE(url.host().endsWith("example.org")) << url.toString().toStdString();
        EXPECT_EQ(expected.count(url), 1);
    }
}

} // namespace quavero
