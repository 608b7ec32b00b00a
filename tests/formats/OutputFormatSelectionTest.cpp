// SPDX-License-Identifier: GPL-3.0-or-later
// The output format chooser: what a pick stores and enables, which dialog the
// options button opens for each format, and that the choice outlives a restart.
#include "DialogDriver.h"
#include "TestApp.h"
#include "app/PreferenceKeys.h"
#include "formats/FormatOptionsDialog.h"

#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace quavero {

namespace {
class OutputFormatSelectionTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::resetHome(); }
};

using Field = FormatOptionsDialog *AppDelegate::*;

TEST_F(OutputFormatSelectionTest, EachPickStoresItsIndexAndOpensItsDialog)
{
    const Field expected[] = {nullptr,
                              &AppDelegate::windowAIFF,
                              &AppDelegate::windowAIFF,
                              &AppDelegate::windowAIFF,
                              &AppDelegate::windowAMR,
                              &AppDelegate::windowAU,
                              &AppDelegate::windowCAF,
                              &AppDelegate::windowFLAC,
                              &AppDelegate::windowMP3,
                              &AppDelegate::windowOGG,
                              &AppDelegate::windowRAW,
                              &AppDelegate::windowSPX,
                              &AppDelegate::windowWAV,
                              &AppDelegate::windowWMA,
                              &AppDelegate::windowM4A,
                              &AppDelegate::windowOPUS};
    TestApp t;
    ASSERT_TRUE(t.start());
    for (int index = formats::kCount - 1; index >= 0; --index) {
        SCOPED_TRACE(index);
        driver::pickFormat(t, index);
        EXPECT_EQ(t.app->m_i_Output_Format, index);
        EXPECT_EQ(t.preferences.string(prefkeys::kOutputFormat), QString::number(index));
        EXPECT_EQ(t.app->buttonFormatOptions->isEnabled(), expected[index] != nullptr);

        t.app->OnUserFormatOptions();
        if (!expected[index]) {
            EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
            continue;
        }
        QPointer<FormatOptionsDialog> dialog = t.app.get()->*expected[index];
        ASSERT_FALSE(dialog.isNull());
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
        EXPECT_EQ(dialog->parentWidget(), t.window.get());
        driver::pressCancel(dialog);
        EXPECT_EQ(t.app.get()->*expected[index], nullptr);
        EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 2000));
    }
}

TEST_F(OutputFormatSelectionTest, AiffFamilySharesOneRecord)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    FormatOptionsDialog *dialog = driver::openOptions(t, 1); // .AIFC
    driver::apply(dialog, {{"comboBitrate", 10}});
    driver::pressOK(dialog);
    for (int index : {2, 3}) { // .AIFF, .AIF
        dialog = driver::openOptions(t, index);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(driver::snapshot(dialog).value("comboBitrate"), "128k|enabled|16") << index;
        driver::pressCancel(dialog);
    }
}

TEST_F(OutputFormatSelectionTest, ChoiceSurvivesARestart)
{
    {
        TestApp t;
        ASSERT_TRUE(t.start());
        driver::pickFormat(t, 7); // .FLAC
    }
    TestApp t;
    ASSERT_TRUE(t.start());
    EXPECT_EQ(t.app->comboboxOutputFormat->currentIndex(), 7);
    EXPECT_EQ(t.app->m_i_Output_Format, 7);
}

TEST_F(OutputFormatSelectionTest, StartUpSelectionStoresNothingAndAc3OpensNothing)
{
    {
        TestApp t;
        ASSERT_TRUE(t.start());
    }
    TestApp t;
    t.preferences.setString(prefkeys::kOutputFormat, "0");
    ASSERT_TRUE(t.start());
    EXPECT_EQ(t.app->comboboxOutputFormat->currentText(), ".AC3");
    t.app->buttonFormatOptions->click();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(t.preferences.string(prefkeys::kOutputFormat), "0");
}

TEST_F(OutputFormatSelectionTest, EscapeActsAsCancel)
{
    TestApp t;
    ASSERT_TRUE(t.start());
    QPointer<FormatOptionsDialog> dialog = driver::openOptions(t, 6); // .CAF
    ASSERT_FALSE(dialog.isNull());
    driver::apply(dialog, {{"comboChannels", 0}});
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_EQ(t.app->windowCAF, nullptr);
    EXPECT_EQ(t.app->records.m_AF_CAF.i_Channels(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 2000));
}
} // namespace

} // namespace quavero
