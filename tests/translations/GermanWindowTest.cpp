// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a user with LANG=de_DE.UTF-8 sees it: the toolbar, the
// menus and an alert in German, while what the program stores stays as it
// was. Each test runs again in a German child process (GermanSession.h).
#include "GermanSession.h"
#include "TestApp.h"
#include "app/PreferenceKeys.h"
#include "platform/core/FileSystem.h"
#include "platform/core/Translations.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace quavero {

namespace {
template <typename T> QString textOf(const TestApp &t, const char *name)
{
    T *child = t.window->findChild<T *>(QLatin1String(name));
    return child ? child->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

class GermanWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!germansession::active())
            return;
        germansession::install();
        testenv::resetHome();
    }
    void TearDown() override
    {
        if (fs::exists(testenv::documentsFolder()) && !fs::isFolder(testenv::documentsFolder()))
            fs::remove(testenv::documentsFolder());
        testenv::resetHome();
    }
};
} // namespace

TEST_F(GermanWindowTest, ToolbarAndMenusSpeakGerman)
{
    if (!germansession::active())
        return germansession::run(QStringLiteral("GermanWindowTest.ToolbarAndMenusSpeakGerman"));
    TestApp t;
    ASSERT_TRUE(t.start());
    EXPECT_EQ(t.app->toolbarItemAdd->text(), "Dateien hinzufügen");
    EXPECT_EQ(t.app->toolbarItemConvert->text(), "Umwandeln");
    EXPECT_EQ(t.app->toolbarItemConvert->toolTip(), "Jede Datei der Liste umwandeln");
    QStringList menus;
    for (QAction *menu : t.window->menuBar()->actions())
        menus << menu->text();
    ASSERT_FALSE(menus.isEmpty());
    EXPECT_EQ(menus.first(), "&Datei");
    EXPECT_TRUE(menus.contains("&Wiedergabe")) << menus.join(", ").toStdString();
    EXPECT_EQ(textOf<QAction>(t, "menuItemAddVideos"), "&Dateien hinzufügen…");
    // The shortcut survives the translation.
    QAction *add = t.window->findChild<QAction *>(QStringLiteral("menuItemAddVideos"));
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(add->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(textOf<QLabel>(t, "labelOutputFormat"), "&Ausgabeformat:");
    // The stored format index is a number, not a text of the window.
    EXPECT_EQ(t.preferences.string(prefkeys::kOutputFormat), "8");
}

TEST_F(GermanWindowTest, StartUpFailureAlertSpeaksGerman)
{
    if (!germansession::active())
        return germansession::run(QStringLiteral("GermanWindowTest.StartUpFailureAlertSpeaksGerman"));
    // The documents folder is a plain file, so the work folder cannot be made.
    fs::remove(testenv::documentsFolder());
    QFile blocker(testenv::documentsFolder());
    ASSERT_TRUE(QDir().mkpath(QFileInfo(testenv::documentsFolder()).absolutePath()));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TestApp t;
    EXPECT_FALSE(t.start());
    ASSERT_EQ(t.prompts.alerts.size(), 1);
    EXPECT_EQ(t.prompts.alerts[0].message, "Fehler");
    EXPECT_EQ(t.prompts.alerts[0].informative, "Fehler #0008. Das Programm wird beendet.");
    EXPECT_EQ(t.prompts.alerts[0].buttons, QStringList{"Schließen"});
}

} // namespace quavero
