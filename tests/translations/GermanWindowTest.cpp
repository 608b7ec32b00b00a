// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a user with LANG=de_DE.UTF-8 sees it: the toolbar, the
// menus and an alert in German, while what the program stores stays as it
// was. Each test runs again in a child process started with that locale (a
// process reads its locale once, when the application starts).
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

const char *const kSessionMarker = "QUAVERO_TEST_GERMAN_SESSION";

// True in the child process that runs with the German locale.
bool inGermanSession() { return qEnvironmentVariableIsSet(kSessionMarker); }

// Runs the named test of this suite in a child with LANG=de_DE.UTF-8 and
// no other locale variable, and fails when it fails.
void runInGermanSession(const QString &test)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    environment.insert(QLatin1String(kSessionMarker), QStringLiteral("1"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=GermanWindowTest.") + test});
    ASSERT_TRUE(child.waitForFinished(120000)) << "the German session did not end";
    const QByteArray output = child.readAll();
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << output.toStdString();
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

class GermanWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!inGermanSession())
            return;
        ASSERT_EQ(QLocale::system().name(), "de_DE");
        ASSERT_EQ(translations::install(*qApp, QLocale::system(), {QStringLiteral(QUAVERO_BINARY_DIR "/bin/translations")}),
                  "de");
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
    if (!inGermanSession())
        return runInGermanSession(QStringLiteral("ToolbarAndMenusSpeakGerman"));
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
    EXPECT_EQ(textOf<QAction>(t, "menuItemAddVideos"), "Dateien hinzufügen…");
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
    if (!inGermanSession())
        return runInGermanSession(QStringLiteral("StartUpFailureAlertSpeaksGerman"));
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
