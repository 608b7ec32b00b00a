// SPDX-License-Identifier: GPL-3.0-or-later
// A run's plan names its outputs from the name template and each entry's
// tags: folders from the template, collisions numbered, entries the template
// cannot name kept under their own names with a note the summaries show.
#include "EntryFromPath.h"
#include "QtPrinters.h"
#include "cli/Summary.h"
#include "convert/core/RunPlanner.h"
#include "convert/core/RunReport.h"

#include <gtest/gtest.h>

namespace quavero {

namespace {
constexpr qint64 kPid = 77;
const QString kOut = QStringLiteral("/out");

PlanWorld emptyWorld()
{
    PlanWorld w;
    w.exists = [](const QString &) { return false; };
    w.canonical = [](const QString &path) { return path; };
    return w;
}

TagSet tagsOf(const QMap<QString, QStringList> &fields)
{
    TagSet tags;
    tags.fields = fields;
    return tags;
}

PlanInput input(const QString &path, const QMap<QString, QStringList> &fields, const QString &relative = QString())
{
    NodeVideoFile entry = testentries::entryFor(path);
    entry.setS_Relative_Folder(relative);
    return PlanInput(entry, QString(), tagsOf(fields));
}

SettingsSnapshot templated(const QString &nameTemplate, bool keepStructure = true)
{
    SettingsSnapshot settings;
    settings.formatIndex = formats::kDefaultIndex;
    settings.keepStructure = keepStructure;
    settings.nameTemplate = nameTemplate;
    return settings;
}

QString extension() { return formats::at(formats::kDefaultIndex)->extension; }

RunPlan planOf(const SettingsSnapshot &settings, const QList<PlanInput> &inputs)
{
    return runplan::make(settings, inputs, kOut, kPid, emptyWorld());
}

const QMap<QString, QStringList> kOpening{
    {"ALBUMARTIST", {"Band A"}}, {"ALBUM", {"Debut"}}, {"TRACKNUMBER", {"1/9"}}, {"TITLE", {"Opening"}}};
} // namespace

TEST(PlannedNames, TheTemplateNamesFoldersAndFilesAndCollisionsAreNumbered)
{
    const QList<PlanInput> inputs{
        input("/music/track01.wav", kOpening),
        // The same tags again: numbered, as two inputs with one name always were.
        input("/music/copy/track01.flac", kOpening),
        // A "/" in a value never makes a folder; unsafe characters become "_".
        input("/music/b.wav",
              {{"ALBUMARTIST", {"AC/DC"}}, {"ALBUM", {"Live: *1*"}}, {"TRACKNUMBER", {"7"}}, {"TITLE", {"What?"}}}),
    };
    const RunPlan plan = planOf(templated("{albumartist}/{album}/{track:02} {title}"), inputs);
    ASSERT_EQ(plan.entries.size(), 3);
    EXPECT_EQ(plan.entries.at(0).finalPath, "/out/Band A/Debut/01 Opening" + extension());
    EXPECT_FALSE(plan.entries.at(0).renamed);
    EXPECT_EQ(plan.entries.at(1).finalPath, "/out/Band A/Debut/01 Opening (2)" + extension());
    EXPECT_TRUE(plan.entries.at(1).renamed);
    EXPECT_EQ(plan.entries.at(2).finalPath, "/out/AC_DC/Live_ _1_/07 What_" + extension());
    for (const EntryPlan &entry : plan.entries) {
        EXPECT_EQ(entry.action, PlanAction::Convert);
        EXPECT_EQ(entry.namingNote, "");
        // Every stage writes beside the templated final name.
        for (const PlannedStage &stage : entry.stages)
            EXPECT_TRUE(stage.output.startsWith(entry.finalFolder + "/")) << stage.output.toStdString();
    }
}

TEST(PlannedNames, AnEntryTheTemplateCannotNameKeepsItsOwnNameAndSaysWhy)
{
    const QList<PlanInput> inputs{
        input("/music/Live/b.wav", {{"TITLE", {"Song"}}}, "Live"),
        // An input that cannot be converted claims no name and no note: the
        // notes of the others stay with their own entries.
        PlanInput(testentries::entryFor("/music/broken.wav"), "not an audio file"),
        input("/music/c.wav", kOpening),
    };
    const QString nameTemplate = "{albumartist}/{album}/{track:02} {title}";
    const RunPlan kept = planOf(templated(nameTemplate, true), inputs);
    ASSERT_EQ(kept.entries.size(), 3);
    EXPECT_EQ(kept.entries.at(0).finalPath, "/out/Live/b" + extension()); // {folder}/{name}
    EXPECT_EQ(kept.entries.at(0).namingNote, "named after the input: it has no {albumartist}");
    EXPECT_EQ(kept.entries.at(1).action, PlanAction::Fail);
    EXPECT_EQ(kept.entries.at(1).namingNote, "");
    EXPECT_EQ(kept.entries.at(2).finalPath, "/out/Band A/Debut/01 Opening" + extension());
    EXPECT_EQ(kept.entries.at(2).namingNote, "");

    // Flat, the entry that fell back goes straight into the destination.
    const RunPlan flat = planOf(templated(nameTemplate, false), inputs);
    EXPECT_EQ(flat.entries.at(0).finalPath, "/out/b" + extension());
    // A field inside brackets may be empty: the part is left out, no fallback.
    const RunPlan optional = planOf(templated("[{album}/]{title}"), inputs);
    EXPECT_EQ(optional.entries.at(0).finalPath, "/out/Song" + extension());
    EXPECT_EQ(optional.entries.at(0).namingNote, "");
}

TEST(PlannedNames, WithoutATemplateOutputsAreNamedAfterTheirInputs)
{
    SettingsSnapshot plain = templated(QString());
    const RunPlan plan = planOf(plain, {input("/music/Live/b.wav", kOpening, "Live")});
    EXPECT_EQ(plan.entries.at(0).finalPath, "/out/Live/b" + extension());
    // A changed template changes the outputs: the record must see it.
    EXPECT_NE(runplan::fingerprintOf(plain), runplan::fingerprintOf(templated("{title}")));
    EXPECT_NE(runplan::fingerprintOf(templated("{title}")), runplan::fingerprintOf(templated("{artist}")));
}

TEST(PlannedNames, ATemplateThatCannotBeReadFailsEveryEntryInsteadOfNamingThemOtherwise)
{
    const RunPlan plan = planOf(templated("{album/{title}"), {input("/music/a.wav", kOpening)});
    ASSERT_EQ(plan.entries.size(), 1);
    EXPECT_EQ(plan.entries.at(0).action, PlanAction::Fail);
    EXPECT_TRUE(plan.entries.at(0).problem.startsWith("the name template cannot be used: "))
        << plan.entries.at(0).problem.toStdString();
    EXPECT_TRUE(plan.entries.at(0).stages.isEmpty());
}

TEST(PlannedNames, BothSummariesSayWhichOutputsKeptTheirInputsNames)
{
    RunOutcome run;
    EntryOutcome named;
    named.fate = EntryFate::Converted;
    named.name = "a.wav";
    named.savedAs = "Band A/Debut/01 Opening.mp3";
    EntryOutcome fellBack = named;
    fellBack.name = "b.wav";
    fellBack.savedAs = "b.mp3";
    fellBack.namingNote = "named after the input: it has no {album}";
    EntryOutcome failed = fellBack; // a failed entry has no output to explain
    failed.fate = EntryFate::Failed;
    failed.name = "c.wav";
    failed.reason = "ffmpeg failed";
    run.entries = {named, fellBack, failed};

    const QList<ConvertedWithWarning> listed = outcome::namedAfterInput(run);
    ASSERT_EQ(listed.size(), 1);
    EXPECT_EQ(listed.first().fileName, "b.wav");
    const QString summary = cli::summaryText(run);
    EXPECT_TRUE(summary.contains("note: b.wav: named after the input: it has no {album}\n")) << summary.toStdString();
    EXPECT_FALSE(summary.contains("note: c.wav")) << summary.toStdString();
    const RunAlert alert = runreport::endOfRun(run);
    EXPECT_TRUE(alert.informative.contains("b.wav: named after the input: it has no {album}"))
        << alert.informative.toStdString();
    EXPECT_FALSE(alert.informative.contains("a.wav: named")) << alert.informative.toStdString();
}

} // namespace quavero
