// SPDX-License-Identifier: GPL-3.0-or-later
// Help > About Quavero and quavero-cli --version: the version, the licence,
// and the ffmpeg and sox that convert, with their versions.
#include "TestApp.h"
#include "app/Window_About.h"
#include "app/core/AboutText.h"
#include "platform/core/ChildProcess.h"

#include <QAccessible>
#include <QAction>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace quavero {

namespace {
// Every text a screen reader finds in a window, depth first.
void collectTexts(QAccessibleInterface *interface, QStringList &texts)
{
    if (!interface)
        return;
    const QString name = interface->text(QAccessible::Name);
    if (!name.isEmpty())
        texts << name;
    for (int i = 0; i < interface->childCount(); ++i)
        collectTexts(interface->child(i), texts);
}

QString spokenText(QWidget *window)
{
    QStringList texts;
    collectTexts(QAccessible::queryAccessibleInterface(window), texts);
    return texts.join('\n');
}
} // namespace

TEST(AboutText, ReadsTheProgramsOwnVersionLines)
{
    EXPECT_EQ(about::ffmpegVersion("ffmpeg version 5.1.9-0+deb12u1 Copyright (c) 2000-2026 the FFmpeg developers\n"
                                   "built with gcc 12\n"),
              "5.1.9-0+deb12u1");
    EXPECT_EQ(about::ffmpegVersion("ffmpeg version n6.1 Copyright"), "n6.1");
    EXPECT_EQ(about::soxVersion("sox:      SoX v14.4.2\n"), "14.4.2");
    EXPECT_EQ(about::ffmpegVersion("something else entirely"), "");
    EXPECT_EQ(about::soxVersion(""), "");

    FoundProgram found{"/usr/bin/sox", true, "sox:      SoX v14.4.2\n"};
    EXPECT_EQ(about::programLine("sox", found, "14.4.2"), "sox 14.4.2 (/usr/bin/sox)");
    EXPECT_EQ(about::programLine("sox", found, ""), "sox: /usr/bin/sox (it did not say its version)");
    const QString missing = about::programLine("ffmpeg", FoundProgram{"ffmpeg", false, {}}, "");
    EXPECT_TRUE(missing.startsWith("ffmpeg: not found.")) << missing.toStdString();
}

TEST(About, TheHelpMenuShowsTheVersionTheLicenceAndTheProgramsFound)
{
    testenv::resetHome();
    TestApp t;
    ASSERT_TRUE(t.start());
    QAction *item = t.window->findChild<QAction *>("menuItemAbout");
    ASSERT_NE(item, nullptr);
    item->trigger();
    Window_About *about = t.app->windowAbout;
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->windowModality(), Qt::WindowModal);
    QSignalSpy shown(about, &Window_About::programsShown);
    ASSERT_TRUE(shown.wait(20000));

    const QString text = spokenText(about);
    EXPECT_TRUE(text.contains(QStringLiteral("Quavero " QUAVERO_VERSION))) << text.toStdString();
    EXPECT_TRUE(text.contains("GPL-3.0-or-later")) << text.toStdString();
    const QString ffmpegVersion = about::ffmpegVersion(child::runJoined(testenv::ffmpeg(), {"-version"}).output);
    ASSERT_FALSE(ffmpegVersion.isEmpty());
    EXPECT_TRUE(text.contains("ffmpeg " + ffmpegVersion + " (" + t.app->sffmpegPath + ")")) << text.toStdString();
    EXPECT_TRUE(text.contains("sox 14.")) << text.toStdString();

    // A second Help > About brings the same window forward.
    item->trigger();
    EXPECT_EQ(t.app->windowAbout, about);
    about->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Close)->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return t.app->windowAbout.isNull(); }, 5000));
}

TEST(About, ProgramsThatCannotBeFoundAreSaidSo)
{
    testenv::resetHome();
    TestApp t;
    ASSERT_TRUE(t.start());
    t.app->sffmpegPath = "/nonexistent/ffmpeg";
    t.app->OnMenuAbout();
    QSignalSpy shown(t.app->windowAbout.data(), &Window_About::programsShown);
    ASSERT_TRUE(shown.wait(20000));
    EXPECT_TRUE(spokenText(t.app->windowAbout).contains("ffmpeg: not found."));
}

} // namespace quavero
