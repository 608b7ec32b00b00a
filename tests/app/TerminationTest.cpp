// SPDX-License-Identifier: GPL-3.0-or-later
// The three ways the program ends: the Quit menu item, closing the main
// window and the application being told to quit. Each ends the process at
// once with status 0, asking nothing and writing nothing.
#include "StoredSettings.h"
#include "TestApp.h"

#include <QAction>
#include <QCoreApplication>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace quavero {

namespace {
// Runs the application's event loop until it quits, failing instead of
// hanging when it never does.
void quitThroughEventLoop()
{
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        ADD_FAILURE() << "the application did not quit";
        QCoreApplication::exit(1);
    });
    guard.start(10000);
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
}
} // namespace

TEST(Termination, EveryWayToEndExitsWithZeroAtOnce)
{
    const struct {
        const char *how;
        std::function<void(TestApp &)> end;
    } ways[] = {
        {"Quit menu item", [](TestApp &t) { t.window->findChild<QAction *>("menuItemQuit")->trigger(); }},
        {"closing the main window", [](TestApp &t) { t.window->close(); }},
        {"application quits", [](TestApp &) { quitThroughEventLoop(); }},
    };
    for (const auto &way : ways) {
        SCOPED_TRACE(way.how);
        testenv::resetHome();
        TestApp t;
        ASSERT_TRUE(t.start());
        const auto stored = storedsettings::all();
        ASSERT_EQ(t.exitStatus, -1);

        way.end(t);
        EXPECT_EQ(t.exitStatus, 0);
        EXPECT_TRUE(t.prompts.alerts.isEmpty());
        EXPECT_EQ(storedsettings::all(), stored);
    }
}

TEST(Termination, ApplicationTerminationEndsTheProcessEvenWithoutAWindowOnScreen)
{
    testenv::resetHome();
    TestApp t; // started never, so no window is visible to be closed
    quitThroughEventLoop();
    EXPECT_EQ(t.exitStatus, 0);
}

} // namespace quavero
