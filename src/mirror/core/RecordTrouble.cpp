// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirror/core/RecordTrouble.h"

#include <QCoreApplication>

namespace quavero {

namespace mirror {
namespace {
// SQLite's primary result codes that mean something different to the user.
enum SqliteCode {
    Perm = 3,
    Busy = 5,
    Locked = 6,
    ReadOnly = 8,
    Corrupt = 11,
    Full = 13,
    CantOpen = 14,
    NotADatabase = 26,
};

// The messages are translated in the context "LibraryRecord".
struct Text {
    Q_DECLARE_TR_FUNCTIONS(LibraryRecord)
};
} // namespace

RecordTrouble troubleFromSqlite(int code, bool writing)
{
    switch (code & 0xff) { // extended codes carry the primary one in their low byte
    case Busy:
    case Locked:
        return RecordTrouble::Busy;
    case Corrupt:
    case NotADatabase:
        return RecordTrouble::Damaged;
    case Full:
    case ReadOnly:
        return RecordTrouble::CannotWrite;
    case Perm:
    case CantOpen:
        return RecordTrouble::CannotOpen;
    default:
        return writing ? RecordTrouble::CannotWrite : RecordTrouble::CannotOpen;
    }
}

QString describe(RecordTrouble trouble, const QString &path)
{
    // Every message but the last two ends with what the run does without the
    // record, so that no one wonders whether files were removed.
    const QString without = Text::tr("This run converts as if there were no record and removes nothing.");
    switch (trouble) {
    case RecordTrouble::Damaged:
        return Text::tr("The library record %1 is damaged.").arg(path) + QLatin1Char(' ') + without + QLatin1Char(' ') +
               Text::tr("Move the file away to let the next run start a new record.");
    case RecordTrouble::NotOurs:
        return Text::tr("%1 is not a library record of this program.").arg(path) + QLatin1Char(' ') + without +
               QLatin1Char(' ') + Text::tr("Move or rename that file to keep a record in this folder.");
    case RecordTrouble::Newer:
        return Text::tr("The library record %1 was written by a newer version of this program.").arg(path) +
               QLatin1Char(' ') + without + QLatin1Char(' ') + Text::tr("Update the program to use it.");
    case RecordTrouble::CannotOpen:
        return Text::tr("The library record %1 cannot be opened.").arg(path) + QLatin1Char(' ') + without +
               QLatin1Char(' ') + Text::tr("Check that you may read and write the destination folder.");
    case RecordTrouble::CannotWrite:
        return Text::tr("The library record %1 cannot be written: the disk is full or read-only.").arg(path) +
               QLatin1Char(' ') + Text::tr("The next run converts again what this one could not note. Free some space.");
    case RecordTrouble::Busy:
        return Text::tr("Another run kept the library record %1 busy for too long, so this run could not note what it "
                        "did. The next run checks those files again.")
            .arg(path);
    case RecordTrouble::NoDriver:
        return Text::tr("The library record cannot be used because the SQLite driver of Qt is missing.") +
               QLatin1Char(' ') + without + QLatin1Char(' ') + Text::tr("Install the package libqt6sql6-sqlite.");
    }
    return QString();
}
} // namespace mirror

} // namespace quavero
