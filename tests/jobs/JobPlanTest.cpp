// SPDX-License-Identifier: GPL-3.0-or-later
// A plan as a job list and back: a worker rebuilds each entry with its own
// planner from the list's settings and the job's paths, and gets the very
// programs and arguments the local run would start; the list's settings
// survive for every format; the slices of a list cover each job once; the
// results and the report.
#include "QtPrinters.h"

#include "cli/Summary.h"
#include "convert/core/RunPlanner.h"
#include "filelist/core/FileEntry.h"
#include "jobs/core/JobChunk.h"
#include "jobs/core/JobEntries.h"
#include "jobs/core/JobListText.h"
#include "jobs/core/JobReport.h"
#include "jobs/core/JobResult.h"
#include "jobs/core/JobSettings.h"
#include "formats/core/OptionFields.h"

#include <QUrl>
#include <gtest/gtest.h>

namespace quavero {

namespace {
PlanInput inputAt(const QString &folder, const QString &name, const QString &problem = QString())
{
    NodeVideoFile entry = filelist::entryFromFolderAndName(folder, name);
    const qsizetype slash = name.lastIndexOf('/');
    if (slash > 0)
        entry.setS_Relative_Folder(name.left(slash));
    return PlanInput{entry, problem};
}

PlanWorld nothingThere()
{
    PlanWorld world;
    world.exists = [](const QString &) { return false; };
    world.canonical = [](const QString &path) { return path; };
    return world;
}

// The argument vectors of an entry's stages.
QList<QStringList> vectorsOf(const EntryPlan &entry)
{
    QList<QStringList> vectors;
    for (const PlannedStage &stage : entry.stages)
        vectors << stage.arguments;
    return vectors;
}

SettingsSnapshot settingsFor(const QString &format, const QList<QPair<QString, double>> &values = {})
{
    SettingsSnapshot s;
    s.formatIndex = formats::indexFromName(format);
    for (const auto &v : values)
        options::byName(formats::at(s.formatIndex)->record, v.first)->set(s.records, v.second);
    return s;
}
} // namespace

TEST(JobPlan, AWorkerRebuildsTheLocalRunsCommandsFromTheList)
{
    const auto inputsBelow = [](const QString &in) {
        return QList<PlanInput>{inputAt(in, "Album/01 Intro.wav"), inputAt(in, "Album/01 Intro.flac"),
                                inputAt(in, "gone.wav", "no such file"), inputAt(in, "tab\tnew\nline.wav"),
                                inputAt(in, "Other/x.aiff")};
    };
    const QString in = QStringLiteral("/lib/in");
    const QList<PlanInput> inputs = inputsBelow(in);
    for (const SettingsSnapshot &settings : {settingsFor("mp3"), settingsFor("flac", {{"speed", 1.5}, {"bass", 3}}),
                                             settingsFor("wav", {{"gain", -4}}), settingsFor("m4a")}) {
        SCOPED_TRACE(formats::at(settings.formatIndex)->item.toStdString());
        const RunPlan plan = runplan::make(settings, inputs, "/lib/out", 4242, nothingThere());
        const JobListDraft list = jobs::listOf(plan, in, "p", "quavero-cli");
        ASSERT_EQ(list.jobs.size(), 4);
        ASSERT_EQ(list.problems.size(), 1) << "an entry that cannot be converted is no job";
        EXPECT_EQ(list.problems.first().problem, "no such file");
        EXPECT_EQ(list.header.inputRoot, in);
        EXPECT_EQ(list.jobs.at(1).output, "Album/01 Intro (2)" + formats::at(settings.formatIndex)->extension);
        EXPECT_TRUE(list.jobs.at(1).renamed);

        SettingsSnapshot read;
        QString error;
        JobListHeader header = list.header;
        ASSERT_TRUE(jobs::settingsOf(header, &read, &error)) << error.toStdString();
        // The worker mounts the library elsewhere.
        const jobs::JobRoots moved{"/mnt/lib/in", "/mnt/lib/out"};
        const RunPlan there = runplan::make(settings, inputsBelow("/mnt/lib/in"), "/mnt/lib/out", 4242, nothingThere());
        int job = 0;
        for (int i = 0; i < plan.entries.size(); ++i) {
            if (plan.entries.at(i).action != PlanAction::Convert)
                continue;
            SCOPED_TRACE(list.jobs.at(job).input.toStdString());
            EntryPlan rebuilt;
            ASSERT_TRUE(jobs::entryOf(list.jobs.at(job), read, moved, 4242, &rebuilt, &error)) << error.toStdString();
            const EntryPlan &expected = there.entries.at(i);
            EXPECT_EQ(rebuilt.finalPath, expected.finalPath);
            EXPECT_EQ(vectorsOf(rebuilt), vectorsOf(expected));
            EXPECT_EQ(rebuilt.writes(), expected.writes());
            EXPECT_EQ(rebuilt.renamed, expected.renamed);
            EXPECT_EQ(rebuilt.tagSource.isEmpty(), expected.tagSource.isEmpty());
            ++job;
        }
    }
}

TEST(JobPlan, AJobWhoseOutputIsNotOfTheListsFormatIsRefused)
{
    const SettingsSnapshot mp3 = settingsFor("mp3");
    const jobs::JobRoots roots{"/in", "/out"};
    EntryPlan entry;
    QString error;
    for (const QString &output : {QStringLiteral("evil.sh"), QStringLiteral("a.ogg"), QStringLiteral("sub/.mp3")}) {
        EXPECT_FALSE(jobs::entryOf(JobLine{0, "a.wav", output, false}, mp3, roots, 7, &entry, &error));
        EXPECT_TRUE(error.contains("does not end in .mp3")) << error.toStdString();
    }
    ASSERT_TRUE(jobs::entryOf(JobLine{0, "a.wav", "sub/dir/a b.mp3", false}, mp3, roots, 7, &entry, &error));
    EXPECT_EQ(entry.finalPath, "/out/sub/dir/a b.mp3");
    EXPECT_EQ(entry.input.s_File_Path(), "/in/a.wav");
    EXPECT_EQ(entry.stages.first().arguments.mid(0, 2), (QStringList{"-i", "file:///in/a.wav"}));
}

TEST(JobPlan, SettingsOfEveryFormatSurviveTheListAndUnknownOnesAreRefused)
{
    for (const OutputFormat &format : formats::all()) {
        SCOPED_TRACE(format.item.toStdString());
        SettingsSnapshot settings;
        settings.formatIndex = format.index;
        // Every option at its last choice, so that no start value hides a loss.
        for (const OptionField &field : options::fieldsOf(format.record))
            field.set(settings.records, field.choices                     ? field.choices->size() - 1
                                        : field.kind == OptionKind::Speed ? 2.5
                                                                          : -7);
        settings.copyTags = false;
        JobListHeader header;
        jobs::describeSettings(settings, &header);
        SettingsSnapshot read;
        QString error;
        ASSERT_TRUE(jobs::settingsOf(header, &read, &error)) << error.toStdString();
        EXPECT_EQ(read.formatIndex, format.index);
        EXPECT_FALSE(read.copyTags);
        for (const OptionField &field : options::fieldsOf(format.record))
            EXPECT_EQ(field.get(read.records), field.get(settings.records)) << field.name.toStdString();
    }
    const auto refusal = [](const QString &format, const QVector<NamedValue> &options, const QVector<NamedValue> &effects) {
        JobListHeader header;
        header.format = format;
        header.options = options;
        header.effects = effects;
        SettingsSnapshot read;
        QString error;
        return jobs::settingsOf(header, &read, &error) ? QString() : error;
    };
    EXPECT_TRUE(refusal("exe", {}, {}).contains("format \"exe\""));
    EXPECT_TRUE(refusal("mp3", {{"postprocess", "rm"}}, {}).contains("no option \"postprocess\""));
    EXPECT_TRUE(refusal("mp3", {}, {{"speed", "2"}}).contains("no effect \"speed\"")) << "mp3 has no sox stage";
    EXPECT_TRUE(refusal("flac", {{"speed", "2"}}, {}).contains("no option \"speed\"")) << "an effect among options";
    EXPECT_TRUE(refusal("flac", {{"channels", "Seven"}}, {}).contains("does not take the value \"Seven\""));
    EXPECT_EQ(refusal("flac", {{"channels", "Mono"}}, {{"speed", "1.5"}}), "");
}

TEST(JobPlan, SlicesCoverEveryJobOnce)
{
    for (qint64 count : {0, 1, 7, 100, 1001}) {
        for (qint64 parts : {1, 3, 100, 250}) {
            qint64 next = 0;
            for (qint64 k = 0; k < parts; ++k) {
                const JobRange r = jobs::rangeOf(JobChunk{k, parts}, count);
                EXPECT_EQ(r.begin, next) << count << " in " << parts;
                EXPECT_LE(r.size(), count / parts + 1);
                EXPECT_GE(r.size(), count / parts);
                next = r.end;
            }
            EXPECT_EQ(next, count) << count << " in " << parts;
        }
    }
    JobChunk chunk;
    QString error;
    EXPECT_TRUE(jobs::readChunk("99/100", &chunk, &error));
    EXPECT_EQ(chunk.part, 99);
    for (const char *bad : {"100/100", "-1/4", "1/0", "3", "a/b", "1/2/3"})
        EXPECT_FALSE(jobs::readChunk(QString::fromLatin1(bad), &chunk, &error)) << bad;
}

TEST(JobPlan, AResultSkipsItsJobOnlyWhenDoneForThisPlanWithItsOutputAsWritten)
{
    JobResult done;
    done.planId = "p";
    done.index = 4;
    done.status = JobStatus::Done;
    done.output = FileStamp{1234, 5'000'000'001};
    done.input = FileStamp{99, 7};
    done.warnings = {"tags not copied: x"};
    JobResult read;
    QString error;
    ASSERT_TRUE(jobs::readResult(jobs::resultText(done), &read, &error));
    EXPECT_EQ(read.output, done.output) << "nanoseconds kept exactly";
    EXPECT_EQ(read.input, done.input);
    EXPECT_EQ(read.warnings, done.warnings);

    EXPECT_TRUE(jobs::alreadyDone(read, "p", FileStamp{1234, 5'000'000'001}));
    EXPECT_FALSE(jobs::alreadyDone(read, "p", std::nullopt)) << "output gone";
    EXPECT_FALSE(jobs::alreadyDone(read, "p", FileStamp{1000, 5'000'000'001})) << "cut short or replaced";
    EXPECT_FALSE(jobs::alreadyDone(read, "p", FileStamp{1234, 6'000'000'000})) << "written again since";
    EXPECT_FALSE(jobs::alreadyDone(read, "older plan", done.output));
    EXPECT_FALSE(jobs::alreadyDone(std::nullopt, "p", done.output));
    read.status = JobStatus::Failed;
    EXPECT_FALSE(jobs::alreadyDone(read, "p", done.output));
    EXPECT_FALSE(jobs::readResult("{\"plan\":\"p\"}", &read, &error));
}

TEST(JobPlan, TheReportIsTheRunsSummaryWithTheJobsNotDone)
{
    const QList<JobLine> lines{{0, "a.wav", "a.mp3", false},
                               {1, "b.wav", "b.mp3", false},
                               {2, "a.flac", "a (2).mp3", true},
                               {3, "c.wav", "c.mp3", false}};
    QHash<qint64, JobResult> results;
    JobResult r;
    r.planId = "p";
    r.status = JobStatus::Done;
    results.insert(0, r);
    results.insert(2, r);
    r.status = JobStatus::Failed;
    r.reason = "not an audio file ffmpeg can read";
    results.insert(1, r);
    const JobsOutcome o =
        jobs::outcomeOf(lines, results, jobs::JobRoots{"/in", "/out"}, [](const QString &path) { return path; });
    EXPECT_EQ(o.notDone, (QList<qint64>{1, 3}));
    EXPECT_EQ(o.notRun, 1);
    EXPECT_EQ(cli::summaryText(o.outcome), "2 converted, 1 failed\n"
                                           "failed: /in/b.wav: not an audio file ffmpeg can read\n"
                                           "renamed: /in/a.flac: saved as /out/a (2).mp3\n");
}

// A track of an album image is a job with its range and its sheet's fields:
// the worker cuts the same samples and names the track as the local run.
TEST(JobPlan, ATrackOfACueSheetIsAJobWithItsRangeAndTags)
{
    const auto inputsBelow = [](const QString &in) {
        QList<PlanInput> inputs{inputAt(in, "other.wav")};
        for (int number : {1, 2}) {
            PlanInput track = inputAt(in, "Album/image.flac");
            ImageTrack t;
            t.sheetPath = in + "/Album/image.cue";
            t.number = number;
            t.count = 2;
            t.range = number == 1 ? SampleRange{0, 441000} : SampleRange{441000, -1};
            t.sampleRate = 44100;
            t.tags.fields.insert("TITLE", {number == 1 ? "One" : "Two"});
            t.tags.fields.insert("TRACKNUMBER", {QString::number(number)});
            track.entry.setM_Track(t);
            track.entry.setS_File_Name_Without_Extension(number == 1 ? "01 One" : "02 Two");
            inputs << track;
        }
        return inputs;
    };
    const RunPlan plan = runplan::make(settingsFor("mp3"), inputsBelow("/lib/in"), "/lib/out", 1, nothingThere());
    const JobListDraft list = jobs::listOf(plan, "/lib/in", "p", "quavero-cli");
    ASSERT_EQ(list.jobs.size(), 3);
    EXPECT_TRUE(list.problems.isEmpty());
    EXPECT_FALSE(list.jobs.at(0).track.isTrack());
    EXPECT_EQ(list.jobs.at(2).track.sheet, "Album/image.cue");
    EXPECT_EQ(list.jobs.at(2).output, "Album/02 Two.mp3");

    SettingsSnapshot read;
    QString error;
    ASSERT_TRUE(jobs::settingsOf(list.header, &read, &error)) << error.toStdString();
    const RunPlan there = runplan::make(settingsFor("mp3"), inputsBelow("/mnt/in"), "/mnt/out", 1, nothingThere());
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        JobLine line;
        ASSERT_TRUE(jobs::readJob(jobs::jobText(list.jobs.at(i)), &line, &error)) << error.toStdString();
        EntryPlan rebuilt;
        ASSERT_TRUE(jobs::entryOf(line, read, {"/mnt/in", "/mnt/out"}, 1, &rebuilt, &error)) << error.toStdString();
        const EntryPlan &expected = there.entries.at(i);
        EXPECT_EQ(vectorsOf(rebuilt), vectorsOf(expected));
        EXPECT_EQ(rebuilt.finalPath, expected.finalPath);
        EXPECT_EQ(rebuilt.input.s_File_Name_Without_Extension(), expected.input.s_File_Name_Without_Extension());
        EXPECT_EQ(rebuilt.input.m_Track().sheetPath, expected.input.m_Track().sheetPath);
        EXPECT_EQ(rebuilt.input.m_Track().tags.fields, expected.input.m_Track().tags.fields);
    }
    EXPECT_EQ(there.entries.at(1).input.m_Track().range, (SampleRange{0, 441000}));
}

} // namespace quavero
