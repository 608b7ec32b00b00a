// SPDX-License-Identifier: GPL-3.0-or-later
// Times the library record of a destination and measures what holding it
// in memory costs, for a library of many files.
//
//   bench_record [rows]   (default 100000)
//
// Writes that many rows into a new record in one batch, and a few hundred in
// a transaction each (as a run notes its outputs one by one); opens the
// record again (with its check of every page) and reads it whole in a fresh
// process, which reports its peak memory; answers the up-to-date question
// for every row. Each figure is printed with a baseline from the same run:
// the read against a bare scan of the same rows that keeps nothing, the
// memory of the record's table against the same rows kept as plain rows.
#include "mirror/core/UpToDate.h"
#include "mirror/engine/LibraryRecord.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVector>

#include <cstdio>
#include <malloc.h>

using namespace quavero;

namespace {
RecordRow rowFor(int n)
{
    const QString album =
        QStringLiteral("Artist Name %1/Album Title %2").arg(n / 120, 4, 10, QLatin1Char('0')).arg(n / 12 % 10);
    const QString track =
        QStringLiteral("%1 The Title of Track Number %2").arg(n % 12 + 1, 2, 10, QLatin1Char('0')).arg(n);
    return RecordRow{album + QLatin1Char('/') + track + QStringLiteral(".mp3"),
                     QStringLiteral("/home/someone/Music/Lossless/") + album + QLatin1Char('/') + track +
                         QStringLiteral(".flac"),
                     FileStamp{30'000'000 + n, 1'600'000'000'000'000'000 + qint64(n) * 1'000'000},
                     QStringLiteral("3f2a9c41d07e4b8a9e6c15d2b7f08a63"),
                     FileStamp{8'000'000 + n, 1'700'000'000'000'000'000 + qint64(n) * 1'000'000}};
}

// Bytes the program has taken from the heap and not given back.
qint64 heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks) + qint64(info.hblkhd);
}

// A line of /proc/self/status ("VmHWM", "VmRSS") in kilobytes.
qint64 statusKb(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key) + 1).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

double mb(qint64 bytes) { return double(bytes) / (1024.0 * 1024.0); }

// In a fresh process: opens and reads the record, prints the figures.
int readMode(const QString &root)
{
    const qint64 rssBefore = statusKb("VmRSS:");
    const qint64 heapBefore = heapInUse();
    QElapsedTimer timer;
    timer.start();
    LibraryRecord record(root);
    if (record.open(false) != RecordState::Open) {
        std::fprintf(stderr, "cannot open the record: %s\n", qPrintable(record.problem()));
        return 1;
    }
    const qint64 openMs = timer.restart();
    const RecordTable table = record.readAll();
    const qint64 readMs = timer.restart();
    const qint64 heapHeld = heapInUse() - heapBefore;
    const qint64 peakGrowthKb = statusKb("VmHWM:") - rssBefore;

    // The baseline: the same rows kept as plain rows.
    const qint64 heapBeforePlain = heapInUse();
    QVector<RecordRow> plain;
    plain.reserve(table.size());
    for (int i = 0; i < table.size(); ++i)
        plain.append(table.at(i));
    const qint64 plainHeld = heapInUse() - heapBeforePlain;

    std::printf("%d %lld %lld %lld %lld %lld\n", table.size(), openMs, readMs, heapHeld, peakGrowthKb * 1024, plainHeld);
    return 0;
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args.at(1) == QLatin1String("read"))
        return readMode(args.at(2));
    const int rows = args.size() > 1 ? args.at(1).toInt() : 100000;

    QTemporaryDir root;
    QElapsedTimer timer;
    std::printf("library record, %d rows\n", rows);
    {
        LibraryRecord record(root.path());
        if (record.open(true) != RecordState::Open || !record.begin())
            return 1;
        timer.start();
        for (int n = 0; n < rows; ++n)
            record.note(rowFor(n));
        record.commit();
        const qint64 batchMs = timer.elapsed();

        const int single = 300;
        timer.restart();
        for (int n = 0; n < single; ++n)
            record.note(rowFor(rows + n));
        const double singleMs = double(timer.elapsed()) / single;
        std::printf("  write in one batch:          %8lld ms  (%.3f ms a row)\n", batchMs, double(batchMs) / rows);
        std::printf("  write a transaction a row:   %8.3f ms a row (%d rows; %.0fx the batch's time a row)\n", singleMs,
                    single, singleMs / (double(batchMs) / rows));
    }
    std::printf("  record file:                 %8.1f MB\n", mb(QFile(root.filePath(".quavero-library.db")).size()));

    // The bare scan: the same query, every value fetched, nothing kept.
    qint64 bareMs = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bare"));
        db.setDatabaseName(root.filePath(".quavero-library.db"));
        db.open();
        timer.restart();
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.exec(QStringLiteral("SELECT output, input, input_size, input_mtime, fingerprint, output_size, "
                                  "output_mtime FROM outputs"));
        qint64 sum = 0;
        while (query.next())
            for (int c = 0; c < 7; ++c)
                sum += query.value(c).toString().size();
        bareMs = timer.elapsed();
        query.finish();
        db.close();
        std::printf("  bare scan (baseline):        %8lld ms  (%lld characters)\n", bareMs, sum);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bare"));

    QProcess reader;
    reader.start(QCoreApplication::applicationFilePath(), {QStringLiteral("read"), root.path()});
    if (!reader.waitForFinished(600000) || reader.exitCode() != 0) {
        std::fprintf(stderr, "the reading process failed: %s\n", reader.readAllStandardError().constData());
        return 1;
    }
    const QList<QByteArray> f = reader.readAllStandardOutput().trimmed().split(' ');
    const qint64 readMs = f.value(2).toLongLong();
    std::printf("  open with page check:        %8lld ms\n", f.value(1).toLongLong());
    std::printf("  read whole:                  %8lld ms  (%.2fx the bare scan)\n", readMs,
                bareMs > 0 ? double(readMs) / double(bareMs) : 0.0);
    std::printf("  table held in memory:        %8.1f MB  (%.2fx the same rows as plain rows: %.1f MB)\n",
                mb(f.value(3).toLongLong()), double(f.value(3).toLongLong()) / double(f.value(5).toLongLong()),
                mb(f.value(5).toLongLong()));
    std::printf("  peak memory growth of read:  %8.1f MB  (target: under 50 MB)\n", mb(f.value(4).toLongLong()));

    // Every row asked whether it is up to date, as an unchanged re-run does.
    LibraryRecord record(root.path());
    record.open(false);
    const RecordTable table = record.readAll();
    timer.restart();
    int upToDate = 0;
    for (int n = 0; n < rows; ++n) {
        const RecordRow row = rowFor(n);
        const FreshnessQuestion question{row.input, row.inputStamp, row.output, row.outputStamp, row.fingerprint};
        upToDate += mirror::skips(mirror::freshness(&table, question)) ? 1 : 0;
    }
    std::printf("  up-to-date decisions:        %8lld ms  (%d of %d up to date)\n", timer.elapsed(), upToDate, rows);
    return upToDate == rows ? 0 : 1;
}
