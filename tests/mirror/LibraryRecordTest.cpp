// SPDX-License-Identifier: GPL-3.0-or-later
// The record file at a destination: rows written are read back, a batch is
// all or nothing, and a file that is not a usable record is reported and
// left exactly as it was.
#include "QtPrinters.h"
#include "RawRecord.h"

#include "mirror/engine/LibraryRecord.h"
#include "mirror/engine/RecordNotes.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quavero {

namespace {
RecordRow rowFor(const QString &output, int n = 1)
{
    return RecordRow{output, QStringLiteral("/music/Artist/Album/%1.flac").arg(n),
                     FileStamp{1000 + n, 1'700'000'000'123'456'789 + n}, QStringLiteral("fp%1").arg(n),
                     FileStamp{500 + n, 1'700'000'100'000'000'000 + n}};
}
} // namespace

class LibraryRecordTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }
    QString file() const { return root.filePath(".quavero-library.db"); }
    void writeFile(const QByteArray &bytes) const
    {
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QTemporaryDir root;
};

TEST_F(LibraryRecordTest, RowsNotedAreReadBackByALaterRun)
{
    {
        LibraryRecord record(root.path());
        ASSERT_EQ(record.open(true), RecordState::Open) << record.problem().toStdString();
        EXPECT_TRUE(record.readAll().isEmpty());
        EXPECT_TRUE(record.note(rowFor("Artist/Album/01 Intro.mp3", 1)));
        EXPECT_TRUE(record.note(rowFor("Ünï/𝄞 (2).mp3", 2)));
        EXPECT_TRUE(record.note(rowFor("gone.mp3", 3)));
        EXPECT_TRUE(record.forget({"gone.mp3", "never-listed.mp3"}));
        // A second note of an output replaces its row.
        RecordRow again = rowFor("Artist/Album/01 Intro.mp3", 1);
        again.fingerprint = "newer";
        EXPECT_TRUE(record.note(again));
        EXPECT_TRUE(record.problem().isEmpty());
    }
    LibraryRecord later(root.path());
    ASSERT_EQ(later.open(false), RecordState::Open);
    const RecordTable table = later.readAll();
    ASSERT_EQ(table.size(), 2);
    const std::optional<RecordRow> intro = table.forOutput("Artist/Album/01 Intro.mp3");
    ASSERT_TRUE(intro);
    EXPECT_EQ(intro->fingerprint, "newer");
    EXPECT_EQ(intro->input, "/music/Artist/Album/1.flac");
    EXPECT_EQ(intro->inputStamp, (FileStamp{1001, 1'700'000'000'123'456'790}));
    EXPECT_EQ(intro->outputStamp, (FileStamp{501, 1'700'000'100'000'000'001}));
    EXPECT_TRUE(table.forOutput("Ünï/𝄞 (2).mp3"));
    EXPECT_FALSE(table.forOutput("gone.mp3"));
    EXPECT_EQ(rawrecord::integrity(file()), "ok");
}

TEST_F(LibraryRecordTest, ADryRunMakesNoRecord)
{
    LibraryRecord record(root.path());
    EXPECT_EQ(record.open(false), RecordState::Absent);
    EXPECT_TRUE(record.readAll().isEmpty());
    EXPECT_FALSE(record.note(rowFor("a.mp3")));
    EXPECT_FALSE(QFile::exists(file()));
    EXPECT_TRUE(record.problem().isEmpty());
}

TEST_F(LibraryRecordTest, ABatchCountsWholeOrNotAtAll)
{
    LibraryRecord record(root.path());
    ASSERT_EQ(record.open(true), RecordState::Open);
    ASSERT_TRUE(record.begin());
    record.note(rowFor("a.mp3", 1));
    record.note(rowFor("b.mp3", 2));
    EXPECT_TRUE(record.commit());
    ASSERT_TRUE(record.begin());
    record.note(rowFor("c.mp3", 3));
    record.forget({"a.mp3"});
    record.rollback();
    {
        // A batch still open when its record goes is undone too.
        LibraryRecord other(root.path());
        ASSERT_EQ(other.open(true), RecordState::Open);
        ASSERT_TRUE(other.begin());
        other.note(rowFor("d.mp3", 4));
    }
    const RecordTable table = record.readAll();
    EXPECT_EQ(table.size(), 2);
    EXPECT_TRUE(table.forOutput("a.mp3"));
    EXPECT_FALSE(table.forOutput("c.mp3"));
    EXPECT_FALSE(table.forOutput("d.mp3"));
}

TEST_F(LibraryRecordTest, NotesWaitForTheirBatchAndAreWrittenAtTheLatestAtTheEnd)
{
    LibraryRecord record(root.path());
    ASSERT_EQ(record.open(true), RecordState::Open);
    LibraryRecord reader(root.path());
    ASSERT_EQ(reader.open(false), RecordState::Open);
    {
        RecordNotes notes(&record, 3600 * 1000);
        notes.add(rowFor("a.mp3", 1));
        notes.add(rowFor("b.mp3", 2));
        EXPECT_EQ(notes.waiting(), 2);
        EXPECT_TRUE(reader.readAll().isEmpty());
        EXPECT_TRUE(notes.flush());
        EXPECT_EQ(reader.readAll().size(), 2);
        notes.add(rowFor("c.mp3", 3));
    }
    EXPECT_EQ(reader.readAll().size(), 3) << "the last batch is written when the notes end";
    {
        RecordNotes immediate(&record, 0);
        immediate.add(rowFor("d.mp3", 4));
        EXPECT_EQ(immediate.waiting(), 0);
        EXPECT_EQ(reader.readAll().size(), 4);
    }
    RecordNotes nowhere(nullptr);
    nowhere.add(rowFor("e.mp3", 5));
    EXPECT_EQ(nowhere.waiting(), 0);
}

TEST_F(LibraryRecordTest, AFileThatIsNoUsableRecordIsReportedAndLeftAsItWas)
{
    struct Case {
        const char *what;
        std::function<void()> make;
        const char *says;
    };
    const QList<Case> cases{
        {"garbage", [this] { writeFile(QByteArray("My notes about the music\n").repeated(200)); }, "is damaged"},
        {"another program's database",
         [this] {
             rawrecord::run(file(), {"CREATE TABLE songs(title TEXT)", "INSERT INTO songs VALUES('mine')"});
         },
         "is not a library record"},
        {"a newer version's record",
         [this] {
             {
                 LibraryRecord made(root.path());
                 made.open(true);
             }
             rawrecord::run(file(), {"PRAGMA user_version=99"});
         },
         "newer version"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(file());
        c.make();
        const QByteArray before = rawrecord::bytesOf(file());
        ASSERT_FALSE(before.isEmpty());
        {
            LibraryRecord record(root.path());
            EXPECT_EQ(record.open(true), RecordState::Unusable);
            EXPECT_TRUE(record.problem().contains(c.says)) << record.problem().toStdString();
            EXPECT_TRUE(record.problem().contains(file())) << record.problem().toStdString();
            EXPECT_TRUE(record.problem().contains("removes nothing")) << record.problem().toStdString();
            EXPECT_TRUE(record.readAll().isEmpty());
            EXPECT_FALSE(record.note(rowFor("a.mp3")));
            EXPECT_FALSE(record.forget({"a.mp3"}));
        }
        EXPECT_EQ(rawrecord::bytesOf(file()), before) << "the file was changed";
    }
}

TEST_F(LibraryRecordTest, ADamagedPageIsFoundWhenTheRecordOpens)
{
    {
        LibraryRecord record(root.path());
        ASSERT_EQ(record.open(true), RecordState::Open);
        ASSERT_TRUE(record.begin());
        for (int n = 0; n < 2000; ++n)
            record.note(rowFor(QStringLiteral("Folder %1/Track %1.mp3").arg(n), n));
        ASSERT_TRUE(record.commit());
    }
    // Overwrite a page in the middle of the table's pages with noise.
    QByteArray bytes = rawrecord::bytesOf(file());
    ASSERT_GT(bytes.size(), 16 * 4096);
    for (int i = 0; i < 4096; ++i)
        bytes[8 * 4096 + i] = char((i * 7919) & 0xff);
    writeFile(bytes);

    LibraryRecord record(root.path());
    EXPECT_EQ(record.open(true), RecordState::Unusable);
    EXPECT_TRUE(record.problem().contains("is damaged")) << record.problem().toStdString();
    EXPECT_FALSE(record.details().isEmpty());
    EXPECT_EQ(rawrecord::bytesOf(file()), bytes);
}

TEST_F(LibraryRecordTest, AFolderThatCannotHoldARecordIsReported)
{
    LibraryRecord record(root.filePath("no/such/folder"));
    EXPECT_EQ(record.open(true), RecordState::Unusable);
    EXPECT_TRUE(record.problem().contains("cannot be opened")) << record.problem().toStdString();
    EXPECT_FALSE(QDir(root.filePath("no")).exists());
}

} // namespace quavero
