// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirror/engine/LibraryRecord.h"

#include "mirror/core/RecordTrouble.h"
#include "mirror/core/RecordedPath.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace quavero {

namespace {
const QString kDriver = QStringLiteral("QSQLITE");
// Marks the file as this program's record in the database header ("QvLr").
constexpr qint64 kApplicationId = 0x51764c72;
// The layout of the table; a record of a higher number is a newer version's.
constexpr int kLayoutVersion = 1;
// How long a run waits for another run's lock before it gives up a step.
constexpr int kBusyTimeoutMs = 10000;

QString uniqueConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("quavero-record-%1-%2").arg(QCoreApplication::applicationPid()).arg(counter.fetchAndAddRelaxed(1));
}

int sqliteCode(const QSqlError &error) { return error.nativeErrorCode().toInt(); }

// Marks the steps that write, so that a failure is told as one of writing.
struct Writing {
    explicit Writing(bool &flag) : m_flag(flag), m_was(flag) { m_flag = true; }
    ~Writing() { m_flag = m_was; }
    bool &m_flag;
    bool m_was;
};
} // namespace

LibraryRecord::LibraryRecord(const QString &root)
    : m_root(root), m_path(QDir(root).filePath(mirror::recordFileName())), m_connection(uniqueConnectionName())
{
}

LibraryRecord::~LibraryRecord()
{
    if (m_inBatch)
        rollback();
    m_noteQuery.reset();
    if (m_db.isValid()) {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

bool LibraryRecord::fail(const QSqlError &error)
{
    const RecordTrouble trouble = mirror::troubleFromSqlite(sqliteCode(error), m_writing);
    m_details = error.text();
    m_problem = mirror::describe(trouble, m_path);
    // A busy record stays usable: the next step may find it free.
    if (trouble != RecordTrouble::Busy)
        m_state = RecordState::Unusable;
    return false;
}

bool LibraryRecord::exec(const QString &statement)
{
    QSqlQuery query(m_db);
    return query.exec(statement) || fail(query.lastError());
}

RecordState LibraryRecord::open(bool create)
{
    if (m_state != RecordState::Closed)
        return m_state;
    if (!create && !QFileInfo::exists(m_path))
        return m_state = RecordState::Absent;
    if (!QSqlDatabase::isDriverAvailable(kDriver)) {
        m_problem = mirror::describe(RecordTrouble::NoDriver, m_path);
        return m_state = RecordState::Unusable;
    }
    m_db = QSqlDatabase::addDatabase(kDriver, m_connection);
    m_db.setDatabaseName(m_path);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    // Each commit is on the disk before the run goes on.
    bool ready = (m_db.open() || fail(m_db.lastError())) && exec(QStringLiteral("PRAGMA synchronous=FULL")) &&
                 check() && (m_hasTable || !create || createTable());
    if (ready && m_hasTable) {
        m_noteQuery = std::make_unique<QSqlQuery>(m_db);
        ready = m_noteQuery->prepare(QStringLiteral("INSERT OR REPLACE INTO outputs(output, input, input_size, "
                                                    "input_mtime, fingerprint, output_size, output_mtime) "
                                                    "VALUES(?, ?, ?, ?, ?, ?, ?)")) ||
                fail(m_noteQuery->lastError());
    }
    // A record that is busy for longer than the run waits is of no use to
    // this run either.
    return m_state = ready ? RecordState::Open : RecordState::Unusable;
}

// Tells this program's record from another program's database and from a
// damaged file before anything is read or written.
bool LibraryRecord::check()
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("PRAGMA application_id")) || !query.next())
        return fail(query.lastError());
    const qint64 applicationId = query.value(0).toLongLong();
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'outputs'")) ||
        !query.next())
        return fail(query.lastError());
    m_hasTable = query.value(0).toInt() > 0;
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next())
        return fail(query.lastError());
    const bool empty = query.value(0).toInt() == 0;

    RecordTrouble refusal = RecordTrouble::NotOurs;
    bool ours = applicationId == kApplicationId && m_hasTable;
    if (ours) {
        if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
            return fail(query.lastError());
        if (query.value(0).toInt() > kLayoutVersion) {
            ours = false;
            refusal = RecordTrouble::Newer;
        }
    }
    // An empty database (a new file, or one another run is making now) is
    // made into a record.
    if (!ours && !(empty && (applicationId == 0 || applicationId == kApplicationId))) {
        m_problem = mirror::describe(refusal, m_path);
        m_state = RecordState::Unusable;
        return false;
    }
    if (!m_hasTable)
        return true;
    // quick_check reads every page: damage anywhere is found now, not in the
    // middle of a run.
    if (!query.exec(QStringLiteral("PRAGMA quick_check")) || !query.next())
        return fail(query.lastError());
    if (query.value(0).toString() != QLatin1String("ok")) {
        m_details = query.value(0).toString();
        m_problem = mirror::describe(RecordTrouble::Damaged, m_path);
        m_state = RecordState::Unusable;
        return false;
    }
    return true;
}

bool LibraryRecord::createTable()
{
    // Another run may be making the record at the same moment: the
    // statements are all "if not there yet", under the write lock.
    const bool made = inTransaction([this] {
        return exec(QStringLiteral("CREATE TABLE IF NOT EXISTS outputs ("
                                   "output TEXT PRIMARY KEY NOT NULL, input TEXT NOT NULL, "
                                   "input_size INTEGER NOT NULL, input_mtime INTEGER NOT NULL, "
                                   "fingerprint TEXT NOT NULL, "
                                   "output_size INTEGER NOT NULL, output_mtime INTEGER NOT NULL)")) &&
               exec(QStringLiteral("PRAGMA application_id=%1").arg(kApplicationId)) &&
               exec(QStringLiteral("PRAGMA user_version=%1").arg(kLayoutVersion));
    });
    if (made)
        m_hasTable = true;
    return made;
}

bool LibraryRecord::inTransaction(const std::function<bool()> &work)
{
    const Writing writing(m_writing);
    if (m_inBatch)
        return work();
    if (!exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    if (work() && exec(QStringLiteral("COMMIT")))
        return true;
    QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
    return false;
}

RecordTable LibraryRecord::readAll()
{
    RecordTable table;
    if (m_state != RecordState::Open || !m_hasTable)
        return table;
    // One read transaction, so that the count and the rows agree.
    if (!m_inBatch && !exec(QStringLiteral("BEGIN")))
        return table;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    bool ok = query.exec(QStringLiteral("SELECT count(*), total(length(CAST(output AS BLOB)) + "
                                        "length(CAST(input AS BLOB))) FROM outputs")) &&
              query.next();
    if (ok) {
        table.reserve(query.value(0).toInt(), qint64(query.value(1).toDouble()));
        ok = query.exec(QStringLiteral("SELECT output, input, input_size, input_mtime, fingerprint, output_size, "
                                       "output_mtime FROM outputs"));
    }
    while (ok && query.next()) {
        RecordRow row;
        row.output = query.value(0).toString();
        row.input = query.value(1).toString();
        row.inputStamp = {query.value(2).toLongLong(), query.value(3).toLongLong()};
        row.fingerprint = query.value(4).toString();
        row.outputStamp = {query.value(5).toLongLong(), query.value(6).toLongLong()};
        table.add(row);
    }
    // A step that fails in the middle of the rows ends the loop with an error.
    if (ok && query.lastError().isValid())
        ok = false;
    const QSqlError error = query.lastError();
    query.finish();
    if (!m_inBatch)
        QSqlQuery(m_db).exec(QStringLiteral("COMMIT"));
    // The run goes on with an empty table: nothing is taken as up to date
    // by the record's word and nothing is removed. A damaged record is not
    // written either; a busy one may be free for the notes that follow.
    if (!ok) {
        fail(error);
        return RecordTable();
    }
    table.index();
    return table;
}

bool LibraryRecord::note(const RecordRow &row)
{
    if (m_state != RecordState::Open || !m_hasTable)
        return false;
    return inTransaction([this, &row] {
        m_noteQuery->bindValue(0, row.output);
        m_noteQuery->bindValue(1, row.input);
        m_noteQuery->bindValue(2, row.inputStamp.size);
        m_noteQuery->bindValue(3, row.inputStamp.mtimeNs);
        m_noteQuery->bindValue(4, row.fingerprint);
        m_noteQuery->bindValue(5, row.outputStamp.size);
        m_noteQuery->bindValue(6, row.outputStamp.mtimeNs);
        return m_noteQuery->exec() || fail(m_noteQuery->lastError());
    });
}

bool LibraryRecord::forget(const QStringList &outputs)
{
    if (m_state != RecordState::Open || !m_hasTable)
        return false;
    return inTransaction([this, &outputs] {
        QSqlQuery query(m_db);
        if (!query.prepare(QStringLiteral("DELETE FROM outputs WHERE output = ?")))
            return fail(query.lastError());
        for (const QString &output : outputs) {
            query.bindValue(0, output);
            if (!query.exec())
                return fail(query.lastError());
        }
        return true;
    });
}

bool LibraryRecord::begin()
{
    if (m_state != RecordState::Open || !m_hasTable || m_inBatch)
        return false;
    const Writing writing(m_writing);
    m_inBatch = exec(QStringLiteral("BEGIN IMMEDIATE"));
    return m_inBatch;
}

bool LibraryRecord::commit()
{
    if (!m_inBatch)
        return false;
    const Writing writing(m_writing);
    if (m_state == RecordState::Open && exec(QStringLiteral("COMMIT"))) {
        m_inBatch = false;
        return true;
    }
    // A commit refused as busy can be tried again; after any other failure
    // the batch is undone.
    if (m_state != RecordState::Open)
        rollback();
    return false;
}

void LibraryRecord::rollback()
{
    if (!m_inBatch)
        return;
    QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
    m_inBatch = false;
}

} // namespace quavero
