// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's layout: the Name column takes the extra width, and the
// window's place, size and splitter come back at the next start, on the screen.
#include "StoredSettings.h"
#include "TestApp.h"
#include "app/PreferenceKeys.h"
#include "filelist/core/ColumnSort.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QSplitter>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace quavero {

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
    QRect seen; // the frame's corner and the window's size, as the user sees the window
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
        seen = QRect(t.window->pos(), t.window->size());
        QSplitter *splitter = t.window->findChild<QSplitter *>("splitter");
        splitter->setSizes({200, 240});
        emit splitter->splitterMoved(200, 1); // as a drag of the handle tells
        sizes = splitter->sizes();
        // Quitting at once writes what was still waiting for the window to rest.
        t.app->OnMenuQuit();
        EXPECT_EQ(t.exitStatus, 0);
    }
    EXPECT_FALSE(storedsettings::all().value(prefkeys::kWindowPlace).toByteArray().isEmpty());
    {
        TestApp t;
        ASSERT_TRUE(t.start());
        EXPECT_EQ(QRect(t.window->pos(), t.window->size()), seen);
        EXPECT_EQ(t.window->geometry(), place);
        EXPECT_EQ(t.window->findChild<QSplitter *>("splitter")->sizes(), sizes);
    }
}

TEST_F(WindowLayoutTest, APlaceOffTheScreenComesBackOnIt)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    {
        // The window was left on a screen to the right, unplugged since.
        TestApp t;
        ASSERT_TRUE(t.start());
        t.window->setGeometry(available.right() + 2000, available.bottom() + 500, 800, 400);
        t.app->OnMenuQuit();
    }
    TestApp t;
    ASSERT_TRUE(t.start());
    EXPECT_TRUE(available.intersects(t.window->frameGeometry()))
        << t.window->geometry().x() << "," << t.window->geometry().y();
    EXPECT_TRUE(available.contains(t.window->geometry().topLeft()));
    EXPECT_EQ(t.window->size(), QSize(800, 400));
}

} // namespace quavero
