// SPDX-License-Identifier: GPL-3.0-or-later
// What the file table looks like: the desktop's row colours while rows
// alternate, the chosen list background without them.
#include "ListEntries.h"
#include "TestApp.h"
#include "StoredSettings.h"
#include "app/PreferenceKeys.h"

#include <QImage>
#include <QTableView>
#include <gtest/gtest.h>
#include <memory>

namespace quavero {

class TableLookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetHome();
        ASSERT_TRUE(t.start());
        table = t.app->tableviewVideoFiles;
        table->resize(600, 300);
    }
    // A pixel of the table's empty area, below the rows.
    QColor emptyArea()
    {
        const QImage image = table->viewport()->grab().toImage();
        return image.pixelColor(image.width() / 2, image.height() - 5);
    }
    TestApp t;
    QTableView *table = nullptr;
};

TEST_F(TableLookTest, AlternatingRowsShowTheDesktopRowColoursWhateverTheBackground)
{
    ASSERT_TRUE(table->alternatingRowColors());
    t.appearance.dark = false;
    EXPECT_EQ(emptyArea(), QColor(Qt::white));
    t.appearance.dark = true;
    EXPECT_EQ(emptyArea(), QColor(Qt::black));
}

TEST_F(TableLookTest, WithoutAlternatingRowsTheListBackgroundShows)
{
    t.app->b_List_Alternating_Rows = 0;
    t.app->applyListAppearance();
    EXPECT_FALSE(table->alternatingRowColors());
    EXPECT_EQ(emptyArea(), defaultcolors::tableBackground().toRgb());
}

TEST_F(TableLookTest, SecondRowsAreAFaintStepAwayFromTheFirst)
{
    listentries::add(t, {"/music/a.mp3", "/music/b.mp3"});
    for (const bool dark : {false, true}) {
        t.appearance.dark = dark;
        const QImage image = table->viewport()->grab().toImage();
        const int firstRow = table->rowViewportPosition(0) + 2;
        const int secondRow = table->rowViewportPosition(1) + 2;
        const QColor first = image.pixelColor(image.width() - 5, firstRow);
        const QColor second = image.pixelColor(image.width() - 5, secondRow);
        EXPECT_NE(first, second) << dark;
        EXPECT_LT(qAbs(first.lightness() - second.lightness()), 40) << dark;
    }
}

namespace {
QColor cellText(const TestApp &t)
{
    const QAbstractItemModel *model = t.app->tableviewVideoFiles->model();
    return model->data(model->index(0, 0), Qt::ForegroundRole).value<QColor>();
}
} // namespace

// A restart applies the stored switch as the colours dialog's OK does.
class RestartLookTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::resetHome(); }
    // Starts once for the defaults, stores what the test wants, starts again.
    std::unique_ptr<TestApp> restartWith(const QString &rows, const QColor &background, const QColor &text)
    {
        {
            TestApp first;
            EXPECT_TRUE(first.start());
        }
        storedsettings::put(prefkeys::kAlternatingRows, rows);
        storedsettings::putColor(prefkeys::kColorTableBackground, background);
        storedsettings::putColor(prefkeys::kColorTableForeground, text);
        auto t = std::make_unique<TestApp>();
        EXPECT_TRUE(t->start());
        listentries::add(*t, {"/music/a.mp3"});
        t->app->tableviewVideoFiles->resize(600, 300);
        return t;
    }
};

TEST_F(RestartLookTest, RowsOffGiveTheListColoursAndReadableText)
{
    const auto t = restartWith("0", defaultcolors::tableBackground(), defaultcolors::tableForeground());
    QTableView *table = t->app->tableviewVideoFiles;
    EXPECT_EQ(t->app->b_List_Alternating_Rows, 0);
    EXPECT_FALSE(table->alternatingRowColors());
    EXPECT_EQ(table->palette().color(QPalette::Base), defaultcolors::tableBackground());
    EXPECT_EQ(cellText(*t), QColor(Qt::white));
    const QImage image = table->viewport()->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() - 5), defaultcolors::tableBackground().toRgb());
    EXPECT_EQ(t->preferences.string(prefkeys::kAlternatingRows), "0");
}

TEST_F(RestartLookTest, RowsOnGiveTheDesktopRowsWithBlackOrWhiteText)
{
    const auto t = restartWith("1", QColor(Qt::white), QColor(Qt::white));
    QTableView *table = t->app->tableviewVideoFiles;
    EXPECT_TRUE(table->alternatingRowColors());
    EXPECT_EQ(table->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(cellText(*t), QColor(Qt::black));
}

TEST_F(RestartLookTest, TextStoredInTheRowColourIsNotDrawnInIt)
{
    const auto t = restartWith("0", QColor(Qt::white), QColor(Qt::white));
    QTableView *table = t->app->tableviewVideoFiles;
    EXPECT_EQ(table->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(cellText(*t), QColor(Qt::black));
    EXPECT_EQ(t->app->colorTableForeground, QColor(Qt::white)); // the setting itself stays
}

} // namespace quavero
