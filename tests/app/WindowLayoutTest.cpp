// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's layout: the Name column takes the extra width, and the
// window's place, size and splitter come back at the next start, on the screen.
#include "StoredSettings.h"
#include "TestApp.h"
#include "app/PreferenceKeys.h"
#include "app/core/WindowPlace.h"
#include "filelist/core/ColumnSort.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSplitter>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace quavero {

TEST(WindowPlace, TextHoldsThePlaceAndNothingElseIsTakenForOne)
{
    const WindowPlace place{QRect(-1200, 40, 1000, 700), true};
    EXPECT_EQ(windowplace::toText(place), "-1200,40,1000,700,maximized");
    const std::optional<WindowPlace> back = windowplace::fromText(windowplace::toText(place));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->geometry, place.geometry);
    EXPECT_TRUE(back->maximized);
    EXPECT_FALSE(windowplace::fromText("10,20,800,600")->maximized);
    for (const char *bad : {"", "10,20,800", "10,20,800,600,600", "a,20,800,600", "10,20,0,600", "10,20,800,600,big"})
        EXPECT_FALSE(windowplace::fromText(bad).has_value()) << bad;
}

TEST(WindowPlace, AStoredPlaceIsHeldInsideTheScreen)
{
    const QRect screen(0, 0, 1280, 800);
    const QSize minimum(800, 340);
    const struct {
        QRect stored;
        QRect fitted;
    } cases[] = {
        {{100, 50, 900, 560}, {100, 50, 900, 560}},    // fits: as it was
        {{1000, 600, 900, 560}, {380, 240, 900, 560}}, // off the right and bottom edges
        {{-3000, -50, 900, 560}, {0, 0, 900, 560}},    // on a screen to the left, unplugged since
        {{0, 0, 2560, 1440}, {0, 0, 1280, 800}},       // larger than the screen
        {{10, 10, 300, 200}, {10, 10, 800, 340}},      // below the window's minimum
    };
    for (const auto &c : cases)
        EXPECT_EQ(windowplace::fitted(c.stored, screen, minimum), c.fitted) << c.stored.x() << "," << c.stored.y();
    // A screen smaller than the minimum still holds the whole window.
    EXPECT_EQ(windowplace::fitted({0, 0, 900, 560}, QRect(1280, 0, 640, 300), minimum), QRect(1280, 0, 640, 300));
}

class WindowLayoutTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::resetHome(); }
    void TearDown() override { testenv::resetHome(); }
};

TEST_F(WindowLayoutTest, TheNameColumnTakesTheExtraWidth)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    QTableView *table = t.app->tableviewVideoFiles;
    QHeaderView *header = table->horizontalHeader();
    const auto others = [&] {
        return header->sectionSize(filelist::ExtensionColumn) + header->sectionSize(filelist::SizeColumn) +
               header->sectionSize(filelist::DurationColumn);
    };
    for (const int width : {800, 1280}) {
        t.window->resize(width, 560);
        QCoreApplication::processEvents();
        EXPECT_EQ(header->sectionSize(filelist::NameColumn), table->viewport()->width() - others()) << width;
    }
    EXPECT_GT(header->sectionSize(filelist::NameColumn), 2 * others());
}

TEST_F(WindowLayoutTest, PlaceSizeAndSplitterComeBackAtTheNextStart)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect place(available.x(), available.y() + 30, 800, 500);
    QList<int> sizes;
    {
        TestApp t;
        ASSERT_TRUE(t.start());
        // Showing the window stores nothing.
        QTest::qWait(700);
        EXPECT_FALSE(t.preferences.contains(prefkeys::kWindowPlace));
        // Written once the window has come to rest.
        t.window->setGeometry(place.translated(0, 10));
        ASSERT_TRUE(QTest::qWaitFor([&] { return t.preferences.contains(prefkeys::kWindowPlace); }, 5000));
        t.window->setGeometry(place);
        QSplitter *splitter = t.window->findChild<QSplitter *>("splitter");
        splitter->setSizes({200, 240});
        emit splitter->splitterMoved(200, 1); // as a drag of the handle tells
        sizes = splitter->sizes();
        // Quitting at once writes what was still waiting for the window to rest.
        t.app->OnMenuQuit();
        EXPECT_EQ(t.exitStatus, 0);
    }
    EXPECT_EQ(windowplace::fromText(storedsettings::all().value(prefkeys::kWindowPlace).toString())->geometry, place);
    {
        TestApp t;
        ASSERT_TRUE(t.start());
        EXPECT_EQ(t.window->geometry(), place);
        EXPECT_EQ(t.window->findChild<QSplitter *>("splitter")->sizes(), sizes);
    }
}

TEST_F(WindowLayoutTest, APlaceOffTheScreenComesBackOnIt)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    storedsettings::put(prefkeys::kWindowPlace, QStringLiteral("%1,%2,%3,%4")
                                                    .arg(available.right() + 2000)
                                                    .arg(available.bottom() + 500)
                                                    .arg(available.width() + 300)
                                                    .arg(500));
    TestApp t;
    ASSERT_TRUE(t.start());
    EXPECT_TRUE(available.contains(t.window->geometry())) << t.window->geometry().x() << "," << t.window->geometry().y();
    EXPECT_EQ(t.window->width(), available.width());
    EXPECT_EQ(t.window->height(), 500);
}

} // namespace quavero
