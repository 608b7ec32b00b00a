// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The files and folders named on the desktop program's command line (as a
// file manager's "Open With" passes them): which of them to add, and a log
// line for each one skipped.
#include <QString>
#include <QStringList>

namespace quavero {

struct CommandLineFiles {
    QStringList toAdd;   // existing folders and files with an accepted extension
    QStringList skipped; // one log line per argument left out
};

// arguments are the program's arguments without the program name. An
// argument starting with "-" is an option (Qt's own options are already
// taken out); after "--" every argument is a path. exists and isFolder
// answer for a path.
CommandLineFiles sortCommandLineFiles(const QStringList &arguments, bool (*exists)(const QString &),
                                      bool (*isFolder)(const QString &));

} // namespace quavero
