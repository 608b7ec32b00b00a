// SPDX-License-Identifier: GPL-3.0-or-later
// Where the outputs of one run go: numbered names instead of one output of the
// run replacing another, relative folders kept below the destination.
#include "QtPrinters.h"
#include "convert/core/OutputPlan.h"

#include <QSet>
#include <gtest/gtest.h>

namespace quavero {

namespace {
// The final paths of a plan, for short expectations.
QStringList paths(const QList<PlannedOutput> &plan, const QString &destination = QStringLiteral("/out"),
                  const QString &extension = QStringLiteral(".mp3"))
{
    QStringList out;
    for (const PlannedOutput &p : plan)
        out << encoder::finalPath(encoder::outputFolder(destination, p.name.subfolder), p.name.baseName, extension);
    return out;
}

QList<bool> renamedFlags(const QList<PlannedOutput> &plan)
{
    QList<bool> flags;
    for (const PlannedOutput &p : plan)
        flags << p.renamed;
    return flags;
}

std::function<bool(const QString &)> existing(const QStringList &present)
{
    const QSet<QString> set(present.begin(), present.end());
    return [set](const QString &path) { return set.contains(path); };
}

const auto kNothing = existing({});
} // namespace

TEST(OutputPlan, SameBaseNameGetsNumberedInListOrder)
{
    const auto plan =
        outputplan::plan({{"a", "", ""}, {"a", "", ""}, {"b", "", ""}, {"a", "", ""}}, "/out", ".mp3", false, kNothing);
    EXPECT_EQ(paths(plan), QStringList({"/out/a.mp3", "/out/a (2).mp3", "/out/b.mp3", "/out/a (3).mp3"}));
    EXPECT_EQ(renamedFlags(plan), QList<bool>({false, true, false, true}));
}

TEST(OutputPlan, FilesThatExistAreReplacedUnderTheOwnNameButSkippedWhenNumbering)
{
    // a.mp3 from an earlier run is replaced as before; "a (2).mp3" and
    // "a (3).mp3" exist, so the second a of this run becomes "a (4)".
    const auto plan = outputplan::plan({{"a", "", ""}, {"a", "", ""}}, "/out", ".mp3", false,
                                       existing({"/out/a.mp3", "/out/a (2).mp3", "/out/a (3).mp3"}));
    EXPECT_EQ(paths(plan), QStringList({"/out/a.mp3", "/out/a (4).mp3"}));
}

TEST(OutputPlan, NumberedNameNeverTakesTheOwnNameOfAnotherEntry)
{
    // "a (2)" is the own name of the third entry, so the second a skips it,
    // also when the clash comes before the entry that owns the name.
    const auto plan = outputplan::plan({{"a", "", ""}, {"a", "", ""}, {"a (2)", "", ""}}, "/out", ".mp3", false, kNothing);
    EXPECT_EQ(paths(plan), QStringList({"/out/a.mp3", "/out/a (3).mp3", "/out/a (2).mp3"}));
    EXPECT_EQ(renamedFlags(plan), QList<bool>({false, true, false}));
    // A name that already ends in " (2)" is numbered after it.
    const auto again = outputplan::plan({{"a (2)", "", ""}, {"a (2)", "", ""}}, "/out", ".mp3", false, kNothing);
    EXPECT_EQ(paths(again), QStringList({"/out/a (2).mp3", "/out/a (2) (2).mp3"}));
}

TEST(OutputPlan, LetterCaseDoesNotTellTwoOutputsApart)
{
    const auto plan = outputplan::plan({{"Song", "", ""}, {"song", "", ""}}, "/out", ".mp3", false, kNothing);
    EXPECT_EQ(paths(plan), QStringList({"/out/Song.mp3", "/out/song (2).mp3"}));
}

TEST(OutputPlan, ThreeIntrosFromAlbumFoldersWithAndWithoutStructure)
{
    const QList<PlanEntry> intros{
        {"01 Intro", "Album A", ""}, {"01 Intro", "Album B", ""}, {"01 Intro", "Album C/CD 1", ""}};
    const auto kept = outputplan::plan(intros, "/out", ".mp3", true, kNothing);
    EXPECT_EQ(paths(kept),
              QStringList({"/out/Album A/01 Intro.mp3", "/out/Album B/01 Intro.mp3", "/out/Album C/CD 1/01 Intro.mp3"}));
    EXPECT_EQ(renamedFlags(kept), QList<bool>({false, false, false}));

    const auto flat = outputplan::plan(intros, "/out", ".mp3", false, kNothing);
    EXPECT_EQ(paths(flat), QStringList({"/out/01 Intro.mp3", "/out/01 Intro (2).mp3", "/out/01 Intro (3).mp3"}));
    EXPECT_EQ(renamedFlags(flat), QList<bool>({false, true, true}));

    // Within one kept folder, a.wav and a.flac still get two names.
    const auto sameFolder =
        outputplan::plan({{"a", "X", ""}, {"a", "X", ""}, {"a", "", ""}}, "/out", ".mp3", true, kNothing);
    EXPECT_EQ(paths(sameFolder), QStringList({"/out/X/a.mp3", "/out/X/a (2).mp3", "/out/a.mp3"}));
}

TEST(OutputPlan, RelativeFoldersNeverLeadOutOfTheDestination)
{
    EXPECT_EQ(outputplan::safeSubfolder("Disc 1//Live/"), "Disc 1/Live");
    EXPECT_EQ(outputplan::safeSubfolder("./Disc 1/./x"), "Disc 1/x");
    EXPECT_EQ(outputplan::safeSubfolder("a/../b"), "b");
    for (const char *bad : {"..", "../x", "a/../../x", "/etc", ".", ""})
        EXPECT_EQ(outputplan::safeSubfolder(bad), "") << bad;
    const auto plan = outputplan::plan({{"a", "../../etc", ""}}, "/out", ".mp3", true, kNothing);
    EXPECT_EQ(paths(plan), QStringList({"/out/a.mp3"}));
}

} // namespace quavero
