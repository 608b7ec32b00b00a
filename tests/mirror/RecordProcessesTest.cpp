// SPDX-License-Identifier: GPL-3.0-or-later
// The record between processes: two runs writing at once leave a valid
// record with the rows of both, and a run killed in the middle of a
// transaction leaves the record readable and whole, without its half.
#include "QtPrinters.h"
#include "RawRecord.h"

#include "mirror/engine/LibraryRecord.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quavero {

namespace {
QString writerProgram() { return QStringLiteral(QUAVERO_BINARY_DIR "/tests/record_writer"); }

// Waits, with a bound, until the process has printed line.
bool waitForLine(QProcess &process, const QByteArray &line, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    QByteArray seen;
    while (timer.elapsed() < timeoutMs) {
        seen += process.readAllStandardOutput();
        if (seen.contains(line))
            return true;
        if (process.state() == QProcess::NotRunning)
            return false;
        process.waitForReadyRead(100);
    }
    return false;
}
} // namespace

TEST(RecordProcessesTest, TwoRunsWritingAtOnceLeaveAValidRecordWithBothRuns)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    ASSERT_TRUE(QFileInfo(writerProgram()).isExecutable()) << writerProgram().toStdString();
    // Outputs 0..149 and 75..224: half of them written by both runs.
    QProcess first, second;
    first.start(writerProgram(), {root.path(), "rows", "0", "150", "first"});
    second.start(writerProgram(), {root.path(), "rows", "75", "150", "second"});
    for (QProcess *p : {&first, &second}) {
        ASSERT_TRUE(p->waitForFinished(120000)) << "a writer did not end";
        EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p->exitCode(), 0) << p->readAll().toStdString();
    }

    const QString file = root.filePath(".quavero-library.db");
    EXPECT_EQ(rawrecord::integrity(file), "ok");
    LibraryRecord record(root.path());
    ASSERT_EQ(record.open(false), RecordState::Open) << record.problem().toStdString();
    const RecordTable table = record.readAll();
    EXPECT_EQ(table.size(), 225);
    for (int n = 0; n < 225; ++n) {
        const std::optional<RecordRow> row = table.forOutput(QStringLiteral("o%1.mp3").arg(n));
        ASSERT_TRUE(row) << n;
        // Each row is one writer's whole: its fingerprint and its stamps agree.
        EXPECT_TRUE(row->fingerprint == "first" || row->fingerprint == "second") << n;
        EXPECT_EQ(row->inputStamp.size, 1000 + n);
        EXPECT_EQ(row->outputStamp.mtimeNs, n * 2000);
    }
}

TEST(RecordProcessesTest, AWriterKilledInATransactionLeavesTheRecordWhole)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    QProcess before;
    before.start(writerProgram(), {root.path(), "rows", "0", "20", "before"});
    ASSERT_TRUE(before.waitForFinished(60000));
    ASSERT_EQ(before.exitCode(), 0) << before.readAll().toStdString();

    const QString file = root.filePath(".quavero-library.db");
    const QByteArray whole = rawrecord::bytesOf(file);
    // More rows than SQLite's page cache holds, so that the open transaction
    // has already written into the record file itself when it is killed.
    QProcess killed;
    killed.start(writerProgram(), {root.path(), "hang", "40000"});
    ASSERT_TRUE(waitForLine(killed, "in transaction", 60000)) << killed.readAllStandardError().toStdString();
    const QString journal = root.filePath(".quavero-library.db-journal");
    EXPECT_TRUE(QFileInfo::exists(journal)) << "the transaction had not begun to write";
    killed.kill(); // SIGKILL: no clean-up of any kind
    ASSERT_TRUE(killed.waitForFinished(10000));
    EXPECT_EQ(killed.exitStatus(), QProcess::CrashExit);
    ASSERT_NE(rawrecord::bytesOf(file), whole) << "the killed transaction had not reached the file";

    LibraryRecord record(root.path());
    ASSERT_EQ(record.open(false), RecordState::Open) << record.problem().toStdString();
    const RecordTable table = record.readAll();
    EXPECT_EQ(table.size(), 20);
    for (int n = 0; n < 20; ++n)
        EXPECT_TRUE(table.forOutput(QStringLiteral("o%1.mp3").arg(n))) << n;
    EXPECT_FALSE(table.forOutput("hang0.mp3"));
    EXPECT_FALSE(QFileInfo::exists(journal)) << "the half-done transaction was not rolled back";
    EXPECT_EQ(rawrecord::integrity(file), "ok");

    // And the record takes new rows.
    EXPECT_TRUE(record.note(RecordRow{"after.mp3", "/music/after.flac", {1, 2}, "after", {3, 4}}));
    EXPECT_EQ(record.readAll().size(), 21);
}

} // namespace quavero
