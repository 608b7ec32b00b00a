// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Removing the temporary files that a stopped run of the program left in a
// folder (killed, or the machine lost power before it could clean up). Only
// names of the program's own pattern are touched (tempname::ownerOf), only
// regular files, and never one whose process is still running: another run
// may be writing it at this moment.
#include <QString>
#include <QStringList>
#include <functional>

namespace quavero {

namespace staletemps {
// True when a process with that id is running (it may belong to another user).
bool processAlive(qint64 pid);

// Removes the stale temporary files directly in folder (not below it) and
// returns their names. A file that could not be removed is described in
// *problems when given. wanted, when given, limits the removal to the names
// it accepts.
QStringList removeIn(const QString &folder, QStringList *problems = nullptr,
                     const std::function<bool(qint64)> &alive = processAlive,
                     const std::function<bool(const QString &)> &wanted = {});
} // namespace staletemps

} // namespace quavero
