// What the file table looks like: the desktop's row colours while rows
// alternate, the chosen list background without them.
#include "ListEntries.h"
#include "TestApp.h"
#include "app/PreferenceKeys.h"

#include <QImage>
#include <QTableView>
#include <gtest/gtest.h>

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
    ASSERT_EQ(table->palette().color(QPalette::Base), defaultcolors::tableBackground());
    t.appearance.dark = false;
    EXPECT_EQ(emptyArea(), QColor(Qt::white));
    t.appearance.dark = true;
    EXPECT_EQ(emptyArea(), QColor(Qt::black));
}

TEST_F(TableLookTest, WithoutAlternatingRowsTheListBackgroundShows)
{
    table->setAlternatingRowColors(false);
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
