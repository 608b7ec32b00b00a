// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A destination's library record: the file .quavero-library.db at the
// destination root, an SQLite database read and written through Qt SQL. It
// lists every output written below the root with what it was made from (see
// RecordRow), so that a later run can skip what is up to date and find the
// outputs whose input is gone.
//
// The record is kept whole through a crash and through two runs writing at
// once by SQLite's transactions with its rollback journal: every change is a
// transaction, begun IMMEDIATE (the writer takes the write lock before it
// reads, so two writers queue instead of failing midway), and a run waits up
// to ten seconds for another one's lock. The rollback journal is used rather
// than write-ahead logging because destinations are often USB sticks, memory
// cards and network shares, where write-ahead logging's shared-memory index
// does not work, and because it leaves no extra files beside the music
// while no run is writing.
//
// A record that cannot be opened, is damaged, belongs to another program or
// to a newer version is reported in plain words (problem()) and left alone:
// the run goes on without it, converting as if there were no record and
// removing nothing.
//
// Each object has a connection of its own; use it on the thread that made it.
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "mirror/core/RecordTable.h"

class QSqlQuery;
class QSqlError;

namespace quavero {

enum class RecordState {
    Closed,   // not opened yet
    Absent,   // no record at the root, and none was to be made
    Open,     // ready to read and write
    Unusable, // see problem(): the run goes on without the record
};

class LibraryRecord {
public:
    explicit LibraryRecord(const QString &root);
    ~LibraryRecord();
    LibraryRecord(const LibraryRecord &) = delete;
    LibraryRecord &operator=(const LibraryRecord &) = delete;

    // Opens the record at the root. With create a missing record is made (a
    // run that writes); without, a missing one leaves the state Absent (a
    // dry run writes nothing).
    RecordState open(bool create);
    RecordState state() const { return m_state; }
    // The record's file.
    QString path() const { return m_path; }
    // What went wrong and what to do, in plain words for the user; empty
    // while all is well.
    QString problem() const { return m_problem; }
    // SQLite's own words about it, for the details.
    QString details() const { return m_details; }

    // Every row, read in one transaction: rows that another run is writing
    // at the same time are seen whole or not at all. On failure the table is
    // empty and problem() says why; a damaged record becomes Unusable.
    RecordTable readAll();

    // Notes the output written for an input, replacing any row of that
    // output. Outside a batch it is a transaction of its own.
    bool note(const RecordRow &row);
    // Drops the rows of these outputs.
    bool forget(const QStringList &outputs);

    // A batch: begin(), any number of note() and forget(), commit(). A batch
    // that is not committed (the program stopped) leaves no trace.
    bool begin();
    bool commit();
    void rollback();

private:
    bool exec(const QString &statement);
    bool check();
    bool createTable();
    bool fail(const QSqlError &error);
    bool inTransaction(const std::function<bool()> &work);

    QString m_root;
    QString m_path;
    QString m_connection;
    QSqlDatabase m_db;
    std::unique_ptr<QSqlQuery> m_noteQuery;
    RecordState m_state = RecordState::Closed;
    bool m_hasTable = false;
    bool m_inBatch = false;
    bool m_writing = false; // a write step is under way
    QString m_problem;
    QString m_details;
};

} // namespace quavero
