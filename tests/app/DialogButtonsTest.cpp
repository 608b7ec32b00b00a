// SPDX-License-Identifier: GPL-3.0-or-later
// The window's dialogs all put their buttons in a QDialogButtonBox, so they
// stand in the desktop's order (the same in every dialog), and the colour
// chooser's titles say which colour is chosen.
#include "ListEntries.h"
#include "TestApp.h"
#include "app/Window_About.h"
#include "appearance/ColorWell.h"
#include "appearance/Window_Colors.h"
#include "convert/Window_Convert.h"
#include "convert/Window_Preferences.h"
#include "formats/FormatOptionsDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QSignalSpy>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace quavero {

namespace {
// The push buttons of a dialog that close it or act on it as a whole: every
// push button but the colour wells and the effects' Default buttons.
QList<QPushButton *> dialogButtons(QWidget *dialog)
{
    QList<QPushButton *> buttons;
    for (QPushButton *button : dialog->findChildren<QPushButton *>())
        if (!qobject_cast<ColorWell *>(button) && !button->objectName().endsWith("Default"))
            buttons << button;
    return buttons;
}

// "" when every such button is in a button box, else the first that is not.
QString looseButton(QWidget *dialog)
{
    for (QPushButton *button : dialogButtons(dialog))
        if (!qobject_cast<QDialogButtonBox *>(button->parentWidget()))
            return button->text();
    return QString();
}

// True when the box shows its accept button left of its reject button.
bool acceptLeftOfReject(QDialogButtonBox *box)
{
    QAbstractButton *accept = nullptr, *reject = nullptr;
    for (QAbstractButton *button : box->buttons()) {
        if (box->buttonRole(button) == QDialogButtonBox::AcceptRole)
            accept = button;
        if (box->buttonRole(button) == QDialogButtonBox::RejectRole)
            reject = button;
    }
    EXPECT_TRUE(accept && reject);
    return accept && reject && accept->x() < reject->x();
}
} // namespace

class DialogButtonsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetHome();
        ASSERT_TRUE(t.start());
    }
    TestApp t;
};

TEST_F(DialogButtonsTest, EveryDialogKeepsItsButtonsInAButtonBoxInOneOrder)
{
    QDialogButtonBox reference(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    reference.resize(400, 40);
    reference.show();
    const bool acceptFirst = acceptLeftOfReject(&reference);

    t.app->OnUserToolbarColors();
    ASSERT_NE(t.app->windowColors, nullptr);
    EXPECT_EQ(looseButton(t.app->windowColors), "");
    EXPECT_EQ(acceptLeftOfReject(t.app->windowColors->findChild<QDialogButtonBox *>()), acceptFirst);
    t.app->Cancel_Window_Colors();

    t.app->OnMenuPreferences();
    ASSERT_NE(t.app->windowPreferences, nullptr);
    EXPECT_EQ(looseButton(t.app->windowPreferences), "");
    EXPECT_EQ(acceptLeftOfReject(t.app->windowPreferences->findChild<QDialogButtonBox *>()), acceptFirst);
    t.app->windowPreferences->reject();

    t.app->OnUserFormatOptions(); // .MP3 at start
    ASSERT_NE(t.app->windowMP3, nullptr);
    EXPECT_EQ(looseButton(t.app->windowMP3), "");
    EXPECT_EQ(acceptLeftOfReject(t.app->windowMP3->findChild<QDialogButtonBox *>()), acceptFirst);
    t.app->Close_Window_MP3();

    t.app->OnMenuAbout();
    ASSERT_NE(t.app->windowAbout, nullptr);
    EXPECT_EQ(looseButton(t.app->windowAbout), "");
    t.app->windowAbout->close();
}

TEST_F(DialogButtonsTest, TheRunWindowsCancelIsInAButtonBox)
{
    const QString tone = testenv::makeTone(QDir::homePath() + "/buttons-in/a.wav", 0.5);
    ASSERT_FALSE(tone.isEmpty());
    listentries::add(t, {tone});
    QSignalSpy finished(t.app.get(), &AppDelegate::conversionFinished);
    t.prompts.destinationAnswers.enqueue(testenv::freshFolder("buttons-out"));
    t.app->OnUserToolbarConvert();
    ASSERT_NE(t.app->windowConvert, nullptr);
    EXPECT_EQ(looseButton(t.app->windowConvert), "");
    auto *cancel = t.app->windowConvert->findChild<QPushButton *>("btnCancel");
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), "Cancel");
    ASSERT_TRUE(finished.count() > 0 || finished.wait(60000));
}

TEST_F(DialogButtonsTest, TheColourChoosersTitlesNameTheColour)
{
    t.app->OnUserToolbarColors();
    Window_Colors *dialog = t.app->windowColors;
    ASSERT_NE(dialog, nullptr);
    for (ColorWell *well : {dialog->colorSpectrumBackground, dialog->colorSpectrumForeground,
                            dialog->colorListBackground, dialog->colorListForeground})
        QTest::mouseClick(well, Qt::LeftButton);
    EXPECT_EQ(t.prompts.colorTitles,
              (QStringList{"Waveform background", "Waveform colour", "List background", "List text colour"}));
    t.app->Cancel_Window_Colors();
}

} // namespace quavero
