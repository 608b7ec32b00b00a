// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What can go wrong with a destination's library record, and how it is told
// to the user: what failed, what the run does about it, and what to do.
// Pure.
#include <QString>

namespace quavero {

enum class RecordTrouble {
    Damaged,     // the file is not a database, or SQLite finds it damaged
    NotOurs,     // an SQLite database of another program
    Newer,       // written by a newer version of the record
    CannotOpen,  // no permission, no such folder, an input/output error
    CannotWrite, // the disk is full or read-only
    Busy,        // another run held it for longer than the run waits
    NoDriver,    // Qt's SQLite driver is not installed
};

namespace mirror {
// The trouble an SQLite result code stands for (SQLITE_BUSY is 5 ...);
// writing says whether the failed step was a write.
RecordTrouble troubleFromSqlite(int code, bool writing);

// The message for the user about the record at path.
QString describe(RecordTrouble trouble, const QString &path);
} // namespace mirror

} // namespace quavero
