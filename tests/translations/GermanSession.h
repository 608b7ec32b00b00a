// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tests that look at the program as a user with LANG=de_DE.UTF-8 sees it run
// again in a child process started with that locale (a process reads its
// locale once, when the application starts).
#include <QProcessEnvironment>
#include <QString>

namespace quavero {

namespace germansession {
// True in the child process that runs with the German locale.
bool active();
// Runs the named test ("Suite.Name") of this executable in a child with
// LANG=de_DE.UTF-8, no other locale variable and the extra variables, and
// fails when it fails.
void run(const QString &test, const QProcessEnvironment &extra = QProcessEnvironment());
// In the child: checks the locale and installs the German translations as the
// program does.
void install();
} // namespace germansession

} // namespace quavero
