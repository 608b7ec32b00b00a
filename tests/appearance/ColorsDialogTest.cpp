// SPDX-License-Identifier: GPL-3.0-or-later
// The colours dialog: what it shows, what OK, Cancel and Restore Defaults
// store, and how the file table looks afterwards.
#include "ListEntries.h"
#include "TestApp.h"
#include "app/PreferenceKeys.h"
#include "appearance/ColorWell.h"
#include "appearance/Window_Colors.h"
#include "platform/ColorArchive.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace quavero {

namespace {
const QColor kListBackground(10, 20, 30);
const QColor kListText(200, 150, 100);
const QColor kWaveBackground(40, 0, 40);
const QColor kWave(0, 80, 200);
} // namespace

class ColorsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetHome();
        ASSERT_TRUE(t.start());
        listentries::add(t, {"/music/a.mp3"});
    }
    Window_Colors *open()
    {
        t.app->OnUserToolbarColors();
        return t.app->windowColors;
    }
    // Picks a colour for a well through the colour chooser.
    void choose(ColorWell *well, const QColor &color)
    {
        t.prompts.colorAnswers.enqueue(color);
        QTest::mouseClick(well, Qt::LeftButton);
    }
    QColor stored(const QString &key) const { return colorarchive::unarchive(t.preferences.data(key)); }
    QColor tableBase() const { return t.app->tableviewVideoFiles->palette().color(QPalette::Base); }
    QColor shownText() const
    {
        QAbstractItemModel *model = t.app->tableviewVideoFiles->model();
        return model->data(model->index(0, 0), Qt::ForegroundRole).value<QColor>();
    }

    TestApp t;
};

TEST_F(ColorsDialogTest, OpensAsASheetShowingTheFirstStartSettings)
{
    Window_Colors *dialog = open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_EQ(dialog->parentWidget(), t.window.get());
    EXPECT_EQ(dialog->colorSpectrumBackground->color(), defaultcolors::background());
    EXPECT_EQ(dialog->colorSpectrumForeground->color(), defaultcolors::spectrum());
    EXPECT_EQ(dialog->colorListBackground->color(), defaultcolors::tableBackground());
    EXPECT_EQ(dialog->colorListForeground->color(), defaultcolors::tableForeground());
    EXPECT_TRUE(dialog->check_Alternating_Rows->isChecked());
}

TEST_F(ColorsDialogTest, AWellTakesTheChosenColourAndKeepsItsOwnWhenTheChooserIsCancelled)
{
    Window_Colors *dialog = open();
    choose(dialog->colorListForeground, kListText);
    EXPECT_EQ(dialog->colorListForeground->color(), kListText);
    QTest::mouseClick(dialog->colorListForeground, Qt::LeftButton); // chooser cancelled
    EXPECT_EQ(dialog->colorListForeground->color(), kListText);
}

TEST_F(ColorsDialogTest, OkStoresEverythingAndAppliesItToTheTable)
{
    const struct {
        bool dark;
        bool alternating;
        QColor base;
        QColor text;
    } cases[] = {
        {false, true, Qt::white, Qt::black},
        {true, true, Qt::black, Qt::white},
        {false, false, kListBackground, kListText},
        {true, false, kListBackground, kListText},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "dark " << c.dark << ", alternating " << c.alternating);
        t.appearance.dark = c.dark;
        t.app->tableviewVideoFiles->setAlternatingRowColors(!c.alternating);
        Window_Colors *dialog = open();
        choose(dialog->colorSpectrumBackground, kWaveBackground);
        choose(dialog->colorSpectrumForeground, kWave);
        choose(dialog->colorListBackground, kListBackground);
        choose(dialog->colorListForeground, kListText);
        dialog->check_Alternating_Rows->setChecked(c.alternating);
        QTest::mouseClick(dialog->findChild<QPushButton *>("btnOK"), Qt::LeftButton);

        EXPECT_EQ(t.app->windowColors, nullptr);
        EXPECT_EQ(t.app->b_List_Alternating_Rows, c.alternating ? 1 : 0);
        EXPECT_EQ(t.preferences.string(prefkeys::kAlternatingRows), c.alternating ? "1" : "0");
        EXPECT_EQ(stored(prefkeys::kColorBackground), kWaveBackground);
        EXPECT_EQ(stored(prefkeys::kColorSpectrum), kWave);
        EXPECT_EQ(stored(prefkeys::kColorTableBackground), kListBackground);
        EXPECT_EQ(stored(prefkeys::kColorTableForeground), kListText);
        EXPECT_EQ(t.app->colorTableBackground, kListBackground);
        EXPECT_EQ(tableBase(), c.base);
        EXPECT_EQ(shownText(), c.text);
        // The row alternation follows a moment later.
        EXPECT_TRUE(t.app->timerSetAlternatingRows.isActive());
        EXPECT_EQ(t.app->tableviewVideoFiles->alternatingRowColors(), !c.alternating);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return t.app->tableviewVideoFiles->alternatingRowColors() == c.alternating; }, 1000));
    }
}

TEST_F(ColorsDialogTest, RestoreDefaultsThenCancelChangesAndStoresNothing)
{
    Window_Colors *dialog = open();
    choose(dialog->colorListBackground, kListBackground);
    choose(dialog->colorListForeground, kListText);
    choose(dialog->colorSpectrumForeground, kWave);
    dialog->OnOK(); // alternating rows stay on: a white table
    ASSERT_EQ(tableBase(), QColor(Qt::white));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !t.app->timerSetAlternatingRows.isActive(); }, 1000));
    const QStringList keys = {prefkeys::kAlternatingRows, prefkeys::kColorBackground, prefkeys::kColorSpectrum,
                              prefkeys::kColorTableBackground, prefkeys::kColorTableForeground};
    QList<QByteArray> before;
    for (const QString &key : keys)
        before << t.preferences.data(key);

    dialog = open();
    dialog->btnOriginal->click();
    EXPECT_EQ(dialog->colorListBackground->color(), defaultcolors::tableBackground());
    EXPECT_EQ(dialog->colorListForeground->color(), defaultcolors::tableForeground());
    EXPECT_EQ(dialog->colorSpectrumBackground->color(), defaultcolors::background());
    EXPECT_EQ(dialog->colorSpectrumForeground->color(), defaultcolors::spectrum());
    EXPECT_FALSE(dialog->check_Alternating_Rows->isChecked());
    dialog->findChild<QPushButton *>("btnCancel")->click();

    EXPECT_EQ(t.app->windowColors, nullptr);
    for (int i = 0; i < keys.size(); ++i)
        EXPECT_EQ(t.preferences.data(keys[i]), before[i]) << keys[i].toStdString();
    EXPECT_EQ(t.preferences.string(prefkeys::kAlternatingRows), "1");
    EXPECT_EQ(t.app->colorTableBackground, kListBackground);
    EXPECT_EQ(t.app->colorTableForeground, kListText);
    EXPECT_EQ(t.app->colorSpectrum, kWave);
    EXPECT_EQ(t.app->b_List_Alternating_Rows, 1);
    EXPECT_EQ(tableBase(), QColor(Qt::white));
    EXPECT_FALSE(t.app->timerSetAlternatingRows.isActive());

    dialog = open();
    EXPECT_EQ(dialog->colorListBackground->color(), kListBackground);
    EXPECT_EQ(dialog->colorSpectrumForeground->color(), kWave);
    EXPECT_TRUE(dialog->check_Alternating_Rows->isChecked());
}

TEST_F(ColorsDialogTest, RestoreDefaultsThenOkGivesTheGreyListWithWhiteText)
{
    t.appearance.dark = false;
    Window_Colors *dialog = open();
    dialog->btnOriginal->click();
    dialog->OnOK();
    EXPECT_EQ(t.app->b_List_Alternating_Rows, 0);
    EXPECT_EQ(t.preferences.string(prefkeys::kAlternatingRows), "0");
    EXPECT_EQ(tableBase(), defaultcolors::tableBackground());
    EXPECT_EQ(shownText(), QColor(Qt::white));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !t.app->tableviewVideoFiles->alternatingRowColors(); }, 1000));
}

TEST_F(ColorsDialogTest, EscapeClosesLikeCancel)
{
    Window_Colors *dialog = open();
    choose(dialog->colorListBackground, kListBackground);
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_EQ(t.app->windowColors, nullptr);
    EXPECT_EQ(t.app->colorTableBackground, defaultcolors::tableBackground());
    EXPECT_EQ(stored(prefkeys::kColorTableBackground), defaultcolors::tableBackground());
}

TEST_F(ColorsDialogTest, FirstStartTextIsBlackOnLightAndWhiteOnDark)
{
    t.appearance.dark = false;
    EXPECT_EQ(t.app->cellTextColor(), QColor(Qt::black));
    t.appearance.dark = true;
    EXPECT_EQ(t.app->cellTextColor(), QColor(Qt::white));
}

TEST_F(ColorsDialogTest, TextChosenInTheRowColourStaysReadable)
{
    const struct {
        QColor background, text;
        QColor shown;
    } cases[] = {
        {QColor(Qt::white), QColor(Qt::white), QColor(Qt::black)},
        {QColor(250, 250, 250), QColor(Qt::white), QColor(Qt::black)},
        {QColor(Qt::black), QColor(5, 5, 5), QColor(Qt::white)},
        {QColor(20, 40, 120), QColor(20, 40, 120), QColor(Qt::white)},
        {QColor(Qt::white), QColor(200, 30, 40), QColor(200, 30, 40)}, // readable: kept
    };
    for (const auto &c : cases) {
        Window_Colors *dialog = open();
        choose(dialog->colorListBackground, c.background);
        choose(dialog->colorListForeground, c.text);
        dialog->check_Alternating_Rows->setChecked(false);
        dialog->OnOK();
        EXPECT_EQ(tableBase(), c.background);
        EXPECT_EQ(shownText(), c.shown) << c.text.name().toStdString() << " on " << c.background.name().toStdString();
        // What was chosen is stored as chosen.
        EXPECT_EQ(stored(prefkeys::kColorTableForeground), c.text);
    }
}

} // namespace quavero
