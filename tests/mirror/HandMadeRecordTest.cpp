// SPDX-License-Identifier: GPL-3.0-or-later
// A record written by hand, as anyone with write access to a destination
// could: its paths are data. Orphans are removed only when the record names
// them as plain paths below the root, reached through no link, unchanged
// since they were written; nothing else is touched.
#include "QtPrinters.h"
#include "RawRecord.h"

#include "mirror/core/Orphans.h"
#include "mirror/engine/FileStamps.h"
#include "mirror/engine/LibraryRecord.h"
#include "mirror/engine/OrphanRemoval.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quavero {

namespace {
void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(bytes);
}

// An SQL text literal.
QString quoted(const QString &text) { return "'" + QString(text).replace("'", "''") + "'"; }

// The statement a hand-made record lists an output with, stamped as the
// file at stampFrom is now (or with made-up stamps).
QString listed(const QString &output, const QString &input, const QString &stampFrom = QString())
{
    const FileStamp stamp = stampFrom.isEmpty() ? FileStamp{123, 456} : *mirror::stampOf(stampFrom);
    return QStringLiteral("INSERT INTO outputs VALUES(%1, %2, 10, 20, 'fp', %3, %4)")
        .arg(quoted(output), quoted(input))
        .arg(stamp.size)
        .arg(stamp.mtimeNs);
}
} // namespace

TEST(HandMadeRecordTest, OnlyUnchangedListedOutputsBelowTheRootAreRemoved)
{
    QTemporaryDir top;
    ASSERT_TRUE(top.isValid());
    const QString dest = top.filePath("dest");
    const QString in = top.filePath("in");
    write(top.filePath("outside.mp3"), "not below the destination");
    write(top.filePath("elsewhere/inside.mp3"), "reached only through a link");
    write(dest + "/Album/orphan.mp3", "an output whose input left");
    write(dest + "/Album/edited.mp3", "an output the user edited");
    write(dest + "/Album/current.mp3", "an output whose input is still in the run");
    write(dest + "/Album/mine.mp3", "the user's own file, not in the record");
    write(in + "/current.flac", "input");
    write(dest + "/inputs-here/source.flac", "an input of the run, listed as an output");
    ASSERT_TRUE(QFile::link(top.filePath("elsewhere"), dest + "/Linked"));
    ASSERT_TRUE(QFile::link(top.filePath("outside.mp3"), dest + "/Album/link.mp3"));

    // The record is made by the program, then filled by hand.
    {
        LibraryRecord made(dest);
        ASSERT_EQ(made.open(true), RecordState::Open);
    }
    const QString file = dest + "/.quavero-library.db";
    const QStringList filled =
        rawrecord::run(file, {listed("Album/orphan.mp3", "/old/orphan.flac", dest + "/Album/orphan.mp3"),
                              listed("Album/edited.mp3", "/old/edited.flac", dest + "/Album/edited.mp3"),
                              listed("Album/current.mp3", in + "/current.flac", dest + "/Album/current.mp3"),
                              listed("../outside.mp3", "/old/a.flac", top.filePath("outside.mp3")),
                              listed(top.filePath("outside.mp3"), "/old/b.flac", top.filePath("outside.mp3")),
                              listed("Linked/inside.mp3", "/old/c.flac", top.filePath("elsewhere/inside.mp3")),
                              listed("Album/link.mp3", "/old/d.flac", dest + "/Album/link.mp3"),
                              listed("inputs-here/source.flac", "/old/e.flac", dest + "/inputs-here/source.flac"),
                              listed("Album/vanished.mp3", "/old/f.flac"), listed(".quavero-library.db", "/old/g.flac"),
                              "SELECT count(*) FROM outputs"});
    ASSERT_EQ(filled, QStringList{"10"});
    write(dest + "/Album/edited.mp3", "an output the user edited, and saved again");

    LibraryRecord record(dest);
    ASSERT_EQ(record.open(true), RecordState::Open) << record.problem().toStdString();
    const RecordTable table = record.readAll();
    ASSERT_EQ(table.size(), 10);

    OrphanQuestion question;
    question.root = dest;
    question.runInputs = {in + "/current.flac", dest + "/inputs-here/source.flac"};
    question.throughLink = [&dest](const QString &relative) { return mirror::throughLink(dest, relative); };
    question.stampOf = [&dest](const QString &relative) { return mirror::outputStampOf(dest + "/" + relative); };
    const OrphanDecision decision = mirror::orphans(table, question);
    const OrphanOutcome outcome = mirror::removeOrphans(dest, decision, &record);

    EXPECT_EQ(outcome.removed, QStringList{"Album/orphan.mp3"});
    EXPECT_EQ(outcome.keptChanged, QStringList{"Album/edited.mp3"});
    EXPECT_TRUE(outcome.failed.isEmpty()) << outcome.failed.join("; ").toStdString();
    QStringList refused;
    for (const RefusedPath &r : outcome.refused)
        refused << r.path;
    refused.sort();
    QStringList unsafe{"../outside.mp3", ".quavero-library.db", "Album/link.mp3", "Linked/inside.mp3",
                       top.filePath("outside.mp3")};
    unsafe.sort();
    EXPECT_EQ(refused, unsafe);

    EXPECT_FALSE(QFileInfo::exists(dest + "/Album/orphan.mp3"));
    for (const QString &kept : {top.filePath("outside.mp3"), top.filePath("elsewhere/inside.mp3"),
                                dest + "/Album/edited.mp3", dest + "/Album/current.mp3", dest + "/Album/mine.mp3",
                                in + "/current.flac", dest + "/inputs-here/source.flac", file})
        EXPECT_TRUE(QFileInfo::exists(kept)) << kept.toStdString();
    EXPECT_TRUE(QFileInfo(dest + "/Album/link.mp3").isSymLink());
    EXPECT_TRUE(QFileInfo(dest + "/Linked").isSymLink());

    // The removed output's row and the vanished one's are gone; the rest stay.
    const RecordTable after = record.readAll();
    EXPECT_EQ(after.size(), 8);
    EXPECT_FALSE(after.forOutput("Album/orphan.mp3"));
    EXPECT_FALSE(after.forOutput("Album/vanished.mp3"));
    EXPECT_TRUE(after.forOutput("Album/edited.mp3"));
}

TEST(HandMadeRecordTest, AFolderSwappedForALinkAfterTheDecisionStopsTheRemoval)
{
    QTemporaryDir top;
    ASSERT_TRUE(top.isValid());
    const QString dest = top.filePath("dest");
    write(dest + "/Album/a.mp3", "output");
    write(top.filePath("victim/a.mp3"), "output");
    const FileStamp stamp = *mirror::outputStampOf(top.filePath("victim/a.mp3"));
    // The decision was made; then the folder became a link to another one.
    ASSERT_TRUE(QDir(dest + "/Album").removeRecursively());
    ASSERT_TRUE(QFile::link(top.filePath("victim"), dest + "/Album"));
    EXPECT_EQ(mirror::removeBelow(dest, "Album/a.mp3", stamp), mirror::Removal::Refused);
    EXPECT_TRUE(QFileInfo::exists(top.filePath("victim/a.mp3")));
    EXPECT_EQ(mirror::removeBelow(dest, "Album/none.mp3", stamp), mirror::Removal::Refused);
    EXPECT_EQ(mirror::removeBelow(dest, "Other/none.mp3", stamp), mirror::Removal::Gone);
}

} // namespace quavero
