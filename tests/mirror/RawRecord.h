// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record file read and written by hand, past LibraryRecord: to make
// records that the program did not write, and to check what is on the disk.
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace quavero {

namespace rawrecord {
// Runs the statements on the database file in a connection of its own;
// returns the first column of the last statement's rows, or the error text.
inline QStringList run(const QString &file, const QStringList &statements)
{
    static int counter = 0;
    const QString name = QStringLiteral("raw-record-%1").arg(++counter);
    QStringList result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(file);
        if (!db.open())
            return {QStringLiteral("error: ") + db.lastError().text()};
        QSqlQuery query(db);
        for (const QString &statement : statements) {
            result.clear();
            if (!query.exec(statement)) {
                result << QStringLiteral("error: ") + query.lastError().text();
                break;
            }
            while (query.next())
                result << query.value(0).toString();
        }
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

// SQLite's own full check of the file: "ok" when whole.
inline QString integrity(const QString &file)
{
    return run(file, {QStringLiteral("PRAGMA integrity_check")}).join(QLatin1Char('\n'));
}

inline QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace rawrecord

} // namespace quavero
