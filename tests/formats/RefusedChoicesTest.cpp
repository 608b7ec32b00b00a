// SPDX-License-Identifier: GPL-3.0-or-later
// Choices the encoder cannot take, in the window: the options dialogs do not
// offer them (read as a screen reader reads the lists), one stored before is
// shown as what the encoder would take instead, and Convert refuses it
// before asking for a folder.
#include "DialogDriver.h"
#include "ListEntries.h"
#include "TestApp.h"
#include "formats/FormatOptionsDialog.h"
#include "formats/core/ChoiceLimits.h"
#include "formats/core/LabelLists.h"

#include <QAccessible>
#include <QComboBox>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

namespace quavero {

namespace {
// The names of a list's items, as assistive technology is told them.
QStringList accessibleItems(QComboBox *combo)
{
    QStringList names;
    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(combo);
    if (!box)
        return names;
    QList<QAccessibleInterface *> pending;
    for (int i = 0; i < box->childCount(); ++i)
        pending << box->child(i);
    while (!pending.isEmpty()) {
        QAccessibleInterface *node = pending.takeFirst();
        if (!node)
            continue;
        if (node->role() == QAccessible::ListItem)
            names << node->text(QAccessible::Name);
        for (int i = 0; i < node->childCount(); ++i)
            pending << node->child(i);
    }
    return names;
}

QString accessibleValue(QComboBox *combo)
{
    return QAccessible::queryAccessibleInterface(combo)->text(QAccessible::Value);
}

int position(const char *label) { return int(labels::sampleRates().labels().indexOf(QLatin1String(label))); }

constexpr int kMP3 = 8;
constexpr int kM4A = 14;

class RefusedChoicesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetHome();
        ASSERT_TRUE(t.start());
    }
    QComboBox *rateList(QWidget *dialog) { return dialog->findChild<QComboBox *>("comboSampleRate"); }
    void pickText(QComboBox *combo, const QString &text)
    {
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        driver::pick(combo, index);
    }
    TestApp t;
};
} // namespace

TEST_F(RefusedChoicesTest, TheMP3DialogOffersOnlyTheRatesMP3Takes)
{
    QPointer<FormatOptionsDialog> dialog = driver::openOptions(t, kMP3);
    ASSERT_FALSE(dialog.isNull());
    QComboBox *rates = rateList(dialog);
    ASSERT_NE(rates, nullptr);
    EXPECT_EQ(accessibleItems(rates),
              (QStringList{"8000", "11025", "16000", "22050", "32000", "44100", "48000", "Same as input"}));
    EXPECT_EQ(accessibleValue(rates), "44100");
    // The record keeps positions in the whole list, as before.
    pickText(rates, "48000");
    driver::pressOK(dialog);
    EXPECT_EQ(t.app->records.m_AF_MP3.i_SampleRate(), position("48000"));
}

TEST_F(RefusedChoicesTest, ARateStoredBeforeIsShownAsTheOneTheEncoderWouldTake)
{
    t.app->records.m_AF_MP3.setI_SampleRate(position("96000"));
    QPointer<FormatOptionsDialog> dialog = driver::openOptions(t, kMP3);
    ASSERT_FALSE(dialog.isNull());
    EXPECT_EQ(accessibleValue(rateList(dialog)), "48000");
    // Cancel leaves the record alone; OK stores what the dialog shows.
    driver::pressCancel(dialog);
    EXPECT_EQ(t.app->records.m_AF_MP3.i_SampleRate(), position("96000"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.isNull(); }, 2000));
    dialog = driver::openOptions(t, kMP3);
    ASSERT_FALSE(dialog.isNull());
    driver::pressOK(dialog);
    EXPECT_EQ(t.app->records.m_AF_MP3.i_SampleRate(), position("48000"));
}

TEST_F(RefusedChoicesTest, TheM4ARatesFollowTheCodecPicked)
{
    QPointer<FormatOptionsDialog> dialog = driver::openOptions(t, kM4A);
    ASSERT_FALSE(dialog.isNull());
    QComboBox *rates = rateList(dialog);
    QComboBox *codec = dialog->findChild<QComboBox *>("comboCodec");
    EXPECT_FALSE(accessibleItems(rates).contains("192000"));
    pickText(codec, "Apple Lossless");
    EXPECT_TRUE(accessibleItems(rates).contains("192000"));
    pickText(rates, "192000");
    // Back to AAC: 192000 Hz goes, and the nearest AAC rate is shown.
    pickText(codec, "AAC");
    EXPECT_FALSE(accessibleItems(rates).contains("192000"));
    EXPECT_EQ(accessibleValue(rates), "96000");
    EXPECT_TRUE(dialog->findChild<QComboBox *>("comboBitrate")->isEnabled());
    driver::pressOK(dialog);
    EXPECT_EQ(t.app->records.m_AF_M4A.i_Codec(), 0);
    EXPECT_EQ(t.app->records.m_AF_M4A.i_Sample_Rate(), position("96000"));
}

TEST_F(RefusedChoicesTest, ConvertRefusesBeforeAskingForAFolder)
{
    listentries::add(t, {QDir::homePath() + "/in/a.wav"});
    driver::pickFormat(t, kMP3);
    t.app->records.m_AF_MP3.setI_SampleRate(position("96000"));
    t.app->OnUserToolbarConvert();
    EXPECT_EQ(t.prompts.destinationAsked, 0);
    EXPECT_EQ(t.app->windowConvert, nullptr);
    ASSERT_EQ(t.prompts.alerts.size(), 1);
    EXPECT_EQ(t.prompts.alerts.at(0).message, "MP3 cannot be written with these options.");
    EXPECT_EQ(t.prompts.alerts.at(0).informative,
              formats::refusedChoice(kMP3, t.app->records) + " Choose another in the MP3 options, then convert again.");
    EXPECT_TRUE(t.prompts.alerts.at(0).informative.contains("96000 Hz"));
}

} // namespace quavero
