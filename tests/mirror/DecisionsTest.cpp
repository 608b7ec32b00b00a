// SPDX-License-Identifier: GPL-3.0-or-later
// The pure decisions on a record: what is up to date, what is an orphan, which
// recorded paths are refused, and which numbered name each input keeps.
#include "QtPrinters.h"

#include "mirror/core/KeptNames.h"
#include "mirror/core/Orphans.h"
#include "mirror/core/UpToDate.h"

#include <QHash>
#include <gtest/gtest.h>

namespace quavero {

namespace {
const FileStamp kInput{1000, 5'000'000'000};
const FileStamp kOutput{300, 9'000'000'000};

RecordRow row(const QString &output, const QString &input, const QString &fingerprint = QStringLiteral("f1"))
{
    return RecordRow{output, input, kInput, fingerprint, kOutput};
}

RecordTable tableOf(const QList<RecordRow> &rows)
{
    RecordTable table;
    for (const RecordRow &r : rows)
        table.add(r);
    return table;
}
} // namespace

TEST(RecordTableTest, FindsRowsByOutputAndByInput)
{
    const RecordTable table = tableOf({row("b.mp3", "/in/b.wav"), row("a.mp3", "/in/album.flac"),
                                       row("c.mp3", "/in/album.flac"), row("b.mp3", "/in/b2.wav", "f2")});
    ASSERT_TRUE(table.forOutput("b.mp3"));
    EXPECT_EQ(table.forOutput("b.mp3")->input, "/in/b2.wav") << "the later row of an output counts";
    EXPECT_EQ(table.forOutput("b.mp3")->fingerprint, "f2");
    EXPECT_FALSE(table.forOutput("B.mp3"));
    EXPECT_FALSE(table.forOutput("d.mp3"));

    const QList<RecordRow> album = table.forInput("/in/album.flac");
    ASSERT_EQ(album.size(), 2);
    EXPECT_EQ(album.at(0).output, "a.mp3");
    EXPECT_EQ(album.at(1).output, "c.mp3");
    EXPECT_EQ(album.at(1).inputStamp, kInput);
    EXPECT_EQ(album.at(1).outputStamp, kOutput);
    EXPECT_TRUE(table.forInput("/in/none.wav").isEmpty());

    // Rows added after a lookup are found too, names outside ASCII as well.
    RecordTable grown = table;
    grown.add(row("Ünïcode/𝄞.mp3", "/in/ü.wav"));
    ASSERT_TRUE(grown.forOutput("Ünïcode/𝄞.mp3"));
    EXPECT_EQ(grown.forOutput("Ünïcode/𝄞.mp3")->input, "/in/ü.wav");
}

TEST(UpToDateTest, SkipsOnlyWhenOutputInputAndSettingsAllMatch)
{
    const RecordTable record = tableOf({row("a.mp3", "/in/a.wav")});
    FreshnessQuestion q{"/in/a.wav", kInput, "a.mp3", FileStamp{123, 1}, "f1"};
    EXPECT_EQ(mirror::freshness(&record, q), Freshness::UpToDate);
    EXPECT_TRUE(mirror::skips(Freshness::UpToDate));

    FreshnessQuestion missing = q;
    missing.outputNow.reset();
    EXPECT_EQ(mirror::freshness(&record, missing), Freshness::NoOutput);

    FreshnessQuestion touched = q;
    touched.inputNow.mtimeNs += 1;
    EXPECT_EQ(mirror::freshness(&record, touched), Freshness::InputChanged);
    FreshnessQuestion grown = q;
    grown.inputNow.size += 1;
    EXPECT_EQ(mirror::freshness(&record, grown), Freshness::InputChanged);

    FreshnessQuestion otherSettings = q;
    otherSettings.fingerprint = "f2";
    EXPECT_EQ(mirror::freshness(&record, otherSettings), Freshness::SettingsChanged);

    FreshnessQuestion otherInput = q;
    otherInput.input = "/in/b.wav";
    EXPECT_EQ(mirror::freshness(&record, otherInput), Freshness::OtherInput);

    for (Freshness converted : {Freshness::NoOutput, Freshness::InputChanged, Freshness::SettingsChanged,
                                Freshness::OtherInput, Freshness::NotNewer}) {
        EXPECT_FALSE(mirror::skips(converted));
        EXPECT_FALSE(mirror::describe(converted).isEmpty());
    }
}

TEST(UpToDateTest, WithoutARowAnOutputNewerThanItsInputIsKept)
{
    const RecordTable record = tableOf({row("other.mp3", "/in/other.wav")});
    FreshnessQuestion q{"/in/a.wav", kInput, "a.mp3", FileStamp{10, kInput.mtimeNs + 1}, "f1"};
    for (const RecordTable *table : {static_cast<const RecordTable *>(nullptr), &record}) {
        EXPECT_EQ(mirror::freshness(table, q), Freshness::NewerThanInput);
        FreshnessQuestion same = q;
        same.outputNow->mtimeNs = kInput.mtimeNs;
        EXPECT_EQ(mirror::freshness(table, same), Freshness::NotNewer);
        FreshnessQuestion older = q;
        older.outputNow->mtimeNs = kInput.mtimeNs - 1;
        EXPECT_EQ(mirror::freshness(table, older), Freshness::NotNewer);
    }
    EXPECT_TRUE(mirror::skips(Freshness::NewerThanInput));
}

TEST(RecordedPathTest, OnlyPlainRelativePathsBelowTheRootPass)
{
    const auto noLinks = [](const QString &) { return false; };
    const QHash<QString, PathProblem> cases{
        {"Album/01 Intro.mp3", PathProblem::None},
        {".hidden/a.mp3", PathProblem::None},
        {"a..b.mp3", PathProblem::None},
        {"", PathProblem::Empty},
        {"/etc/passwd", PathProblem::Absolute},
        {"../outside.mp3", PathProblem::Climbs},
        {"Album/../../outside.mp3", PathProblem::Climbs},
        {"..", PathProblem::Climbs},
        {"./a.mp3", PathProblem::NotPlain},
        {"Album//a.mp3", PathProblem::NotPlain},
        {"Album/", PathProblem::NotPlain},
        {QStringLiteral("a") + QChar(0) + QStringLiteral(".mp3"), PathProblem::NotPlain},
        {".quavero-library.db", PathProblem::RecordFile},
        {".quavero-library.db-journal", PathProblem::RecordFile},
        {"Sub/.quavero-library.db", PathProblem::None},
    };
    for (auto it = cases.cbegin(); it != cases.cend(); ++it) {
        EXPECT_EQ(mirror::checkRecordedPath(it.key(), noLinks), it.value()) << it.key().toStdString();
        EXPECT_EQ(mirror::describe(it.value()).isEmpty(), it.value() == PathProblem::None);
    }
    QStringList asked;
    const auto linked = [&asked](const QString &p) {
        asked << p;
        return p.startsWith("Linked/");
    };
    EXPECT_EQ(mirror::checkRecordedPath("Linked/a.mp3", linked), PathProblem::ThroughLink);
    EXPECT_EQ(mirror::checkRecordedPath("../x.mp3", linked), PathProblem::Climbs);
    EXPECT_EQ(asked, QStringList{"Linked/a.mp3"}) << "only a path whose text is fine is looked up";
}

TEST(OrphansTest, RemovesOnlyUnchangedListedOutputsOfInputsThatLeft)
{
    const RecordTable record = tableOf({
        row("kept.mp3", "/in/kept.wav"),          // its input is in the run
        row("gone.mp3", "/in/gone.wav"),          // orphan, unchanged: removed
        row("edited.mp3", "/in/edited.wav"),      // orphan, edited since: kept
        row("missing.mp3", "/in/missing.wav"),    // orphan, file gone: row forgotten
        row("../outside.mp3", "/in/x.wav"),       // refused
        row("/abs/olute.mp3", "/in/y.wav"),       // refused
        row("Linked/a.mp3", "/in/z.wav"),         // refused
        row("in/source.wav", "/in/old-name.wav"), // the output is an input of the run now: left alone
    });
    OrphanQuestion q;
    q.root = "/dest/";
    q.runInputs = {"/in/kept.wav", "/dest/in/source.wav"};
    q.throughLink = [](const QString &p) { return p.startsWith("Linked/"); };
    q.stampOf = [](const QString &p) -> std::optional<FileStamp> {
        if (p == "missing.mp3")
            return std::nullopt;
        if (p == "edited.mp3")
            return FileStamp{kOutput.size + 7, kOutput.mtimeNs + 1};
        return kOutput;
    };
    const OrphanDecision d = mirror::orphans(record, q);
    ASSERT_EQ(d.remove.size(), 1);
    EXPECT_EQ(d.remove.at(0).output, "gone.mp3");
    EXPECT_EQ(d.remove.at(0).outputStamp, kOutput);
    EXPECT_EQ(d.keptChanged, QStringList{"edited.mp3"});
    EXPECT_EQ(d.forget, QStringList{"missing.mp3"});
    ASSERT_EQ(d.refused.size(), 3);
    EXPECT_EQ(d.refused.at(0).path, "../outside.mp3");
    EXPECT_EQ(d.refused.at(0).problem, PathProblem::Climbs);
    EXPECT_EQ(d.refused.at(1).problem, PathProblem::Absolute);
    EXPECT_EQ(d.refused.at(2).problem, PathProblem::ThroughLink);
}

TEST(KeptNamesTest, NumberedFormsAreRecognised)
{
    EXPECT_EQ(mirror::formNumber("A/01 Intro.mp3", "A/01 Intro.mp3"), 1);
    EXPECT_EQ(mirror::formNumber("a/01 intro.MP3", "A/01 Intro.mp3"), 1) << "letter case aside";
    EXPECT_EQ(mirror::formNumber("A/01 Intro (2).mp3", "A/01 Intro.mp3"), 2);
    EXPECT_EQ(mirror::formNumber("A/01 Intro (12).mp3", "A/01 Intro.mp3"), 12);
    EXPECT_EQ(mirror::formNumber("01 Intro (2).mp3", "A/01 Intro.mp3"), 0) << "another folder";
    EXPECT_EQ(mirror::formNumber("A/01 Intro (2).ogg", "A/01 Intro.mp3"), 0) << "another extension";
    EXPECT_EQ(mirror::formNumber("A/01 Intro (1).mp3", "A/01 Intro.mp3"), 0);
    EXPECT_EQ(mirror::formNumber("A/01 Intro (02).mp3", "A/01 Intro.mp3"), 0);
    EXPECT_EQ(mirror::formNumber("A/01 Intro(2).mp3", "A/01 Intro.mp3"), 0);
    EXPECT_EQ(mirror::formNumber("A/01 Intro (2) (3).mp3", "A/01 Intro.mp3"), 0);
    EXPECT_EQ(mirror::formNumber("A/01 Introduction.mp3", "A/01 Intro.mp3"), 0);
    EXPECT_EQ(mirror::formNumber("A/Intro (3)", "A/Intro"), 3) << "a name without extension";
}

TEST(KeptNamesTest, EachInputKeepsItsNumberedNameWhateverTheOrder)
{
    // An earlier run named the second "01 Intro" of the list "(2)".
    const RecordTable record =
        tableOf({row("01 Intro.mp3", "/cd1/01 Intro.flac"), row("01 Intro (2).mp3", "/cd2/01 Intro.flac"),
                 row("02 Song.mp3", "/cd1/02 Song.flac")});
    // The list in another order, with a new third "01 Intro" first.
    const QList<NamedEntry> entries{{"/cd3/01 Intro.flac", "01 Intro.mp3"},
                                    {"/cd2/01 Intro.flac", "01 Intro.mp3"},
                                    {"/cd1/01 Intro.flac", "01 Intro.mp3"},
                                    {"/cd1/02 Song.flac", "Songs/02 Song.mp3"}};
    EXPECT_EQ(mirror::keptOutputs(record, entries), QStringList({"", "01 Intro (2).mp3", "01 Intro.mp3", ""}));
}

TEST(KeptNamesTest, AnInputWithSeveralOutputsGivesEachEntryAnotherAndItsOwnNameFirst)
{
    // An album image with two tracks of one title, from an earlier run.
    const RecordTable record = tableOf({row("Title (3).mp3", "/in/album.flac"), row("Title (2).mp3", "/in/album.flac"),
                                        row("Title.mp3", "/in/album.flac")});
    const QList<NamedEntry> entries{{"/in/album.flac", "Title.mp3"}, {"/in/album.flac", "Title.mp3"}};
    EXPECT_EQ(mirror::keptOutputs(record, entries), QStringList({"Title.mp3", "Title (2).mp3"}));
}

} // namespace quavero
