// SPDX-License-Identifier: GPL-3.0-or-later
// The job list as text: what one machine writes another reads back exactly,
// names of any characters included, and a crafted line is refused with its
// reason before anything of it is used.
#include "QtPrinters.h"
#include "TestApp.h"

#include "jobs/core/JobListText.h"
#include "jobs/core/JobPaths.h"
#include "jobs/engine/JobListFile.h"

#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>

namespace quavero {

namespace {
JobListHeader sampleHeader(qint64 jobs)
{
    JobListHeader h;
    h.planId = QStringLiteral("plan-1");
    h.program = QStringLiteral("quavero-cli 9.9");
    h.inputRoot = QStringLiteral("/music");
    h.outputRoot = QStringLiteral("/phone copy");
    h.format = QStringLiteral("ogg");
    h.options = {{"mode", "VBR"}, {"quality", "4"}};
    h.effects = {{"speed", "1.25"}, {"gain", "-6"}};
    h.copyTags = false;
    h.keepStructure = true;
    h.jobCount = jobs;
    return h;
}

QString readError(const QByteArray &line)
{
    JobLine job;
    QString error;
    return jobs::readJob(line, &job, &error) ? QString() : error;
}

QString headerError(const QByteArray &line)
{
    JobListHeader header;
    QString error;
    return jobs::readHeader(line, &header, &error) ? QString() : error;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
} // namespace

TEST(JobListText, NamesOfAnyCharactersComeBackFromAWrittenList)
{
    const QStringList names{QStringLiteral("Disc 1/tab\there.flac"),
                            QStringLiteral("line\nbreak/\"quoted\" \\ back.wav"), QStringLiteral("café/日本語 – ☃.wav"),
                            QStringLiteral("-starts with a dash.wav"), QStringLiteral("100% $HOME `x` 'q'.wav")};
    JobListDraft draft;
    draft.header = sampleHeader(names.size());
    for (int i = 0; i < names.size(); ++i)
        draft.jobs.append(JobLine{i, names.at(i), QStringLiteral("out/%1.ogg").arg(names.at(i)), i == 2});
    // The second is a track of an album image, its sheet's fields of any characters too.
    JobTrack &track = draft.jobs[1].track;
    track = JobTrack{QStringLiteral("line\nbreak/image.cue"),
                     QStringLiteral("02 Zwei – \"Two\""),
                     2,
                     12,
                     2 * 588 * 75,
                     5 * 588 * 75,
                     44100,
                     {}};
    track.tags.insert(QStringLiteral("TITLE"), {QStringLiteral("Zwei – \"Two\"\tthree")});
    track.tags.insert(QStringLiteral("PERFORMER"), {QStringLiteral("A"), QStringLiteral("B")});
    const QString path = testenv::freshFolder(QStringLiteral("joblist-text")) + QStringLiteral("/jobs.jsonl");
    QString error;
    ASSERT_TRUE(jobs::writeList(path, draft, &error)) << error.toStdString();

    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_EQ(raw.readAll().count('\n'), names.size() + 1) << "one line per job after the first";
    EXPECT_TRUE(raw.seek(0));
    EXPECT_TRUE(raw.readLine().startsWith("{\"quavero-job-list\":1,\"plan\":\"plan-1\"")) << "identity first";

    JobListFile list;
    ASSERT_TRUE(list.open(path)) << list.error().toStdString();
    EXPECT_EQ(list.count(), names.size());
    EXPECT_EQ(list.header().outputRoot, "/phone copy");
    const auto byName = [](QVector<NamedValue> values) {
        std::sort(values.begin(), values.end(), [](const NamedValue &a, const NamedValue &b) { return a.name < b.name; });
        return values;
    };
    EXPECT_TRUE(byName(list.header().effects) == byName(draft.header.effects));
    EXPECT_FALSE(list.header().copyTags);
    for (int i = 0; i < names.size(); ++i) {
        JobLine job;
        ASSERT_TRUE(list.job(i, &job, &error)) << error.toStdString();
        EXPECT_EQ(job.input, names.at(i));
        EXPECT_EQ(job.output, draft.jobs.at(i).output);
        EXPECT_EQ(job.renamed, i == 2);
        const JobTrack &expected = draft.jobs.at(i).track;
        EXPECT_EQ(job.track.isTrack(), expected.isTrack());
        EXPECT_EQ(job.track.sheet, expected.sheet);
        EXPECT_EQ(job.track.name, expected.name);
        EXPECT_EQ(job.track.number, expected.number);
        EXPECT_EQ(job.track.count, expected.count);
        EXPECT_EQ(job.track.start, expected.start);
        EXPECT_EQ(job.track.end, expected.end);
        EXPECT_EQ(job.track.sampleRate, expected.sampleRate);
        EXPECT_EQ(job.track.tags, expected.tags);
    }
}

TEST(JobListText, CraftedJobLinesAreRefusedWithTheirReason)
{
    struct Case {
        QByteArray line;
        QString reasonPart;
    };
    const QList<Case> cases{
        {R"({"index":0,"input":"a.wav","output":"../escaped.mp3"})", "outside the output root"},
        {R"({"index":0,"input":"a.wav","output":"/etc/cron.d/x.mp3"})", "outside the output root"},
        {R"({"index":0,"input":"a.wav","output":"sub/../../x.mp3"})", "outside the output root"},
        {R"({"index":0,"input":"a.wav","output":"a//b.mp3"})", "not a plain relative path"},
        {R"({"index":0,"input":"a.wav","output":"./b.mp3"})", "not a plain relative path"},
        {R"({"index":0,"input":"a.wav","output":".quavero-library.db"})", "library record"},
        {R"({"index":0,"input":"../../etc/passwd","output":"a.mp3"})", "outside the input root"},
        {R"({"index":0,"input":"a.wav","output":"a.mp3","command":"rm -rf ~"})", "\"command\""},
        {R"({"index":0,"input":"a.wav","output":"a.mp3","arguments":["-y"]})", "\"arguments\""},
        {R"({"index":"0","input":"a.wav","output":"a.mp3"})", "\"index\""},
        {R"({"index":-1,"input":"a.wav","output":"a.mp3"})", "\"index\""},
        {R"({"index":0.5,"input":"a.wav","output":"a.mp3"})", "\"index\""},
        {R"({"index":0,"input":["a.wav"],"output":"a.mp3"})", "\"input\""},
        {R"({"index":0,"input":"a.wav"})", "\"output\" is missing"},
        {R"({"index":0,"input":"a.wav","output":"a.mp3","renamed":"yes"})", "\"renamed\""},
        {R"(["a.wav","a.mp3"])", "not a JSON object"},
        {R"({"index":0,"input":"a.flac","output":"a.mp3","track":"01"})", "\"track\""},
        {R"({"index":0,"input":"a.flac","output":"a.mp3","track":{"sheet":"a.cue","name":"03","number":3,"count":2,"start":0,"rate":44100,"tags":{}}})",
         "no track of a sheet"},
        {R"({"index":0,"input":"a.flac","output":"a.mp3","track":{"sheet":"a.cue","name":"01","number":1,"count":2,"start":900,"end":900,"rate":44100,"tags":{}}})",
         "before it starts"},
        {R"({"index":0,"input":"a.flac","output":"a.mp3","track":{"sheet":"a.cue","name":"01","number":1,"count":2,"start":0,"rate":0,"tags":{}}})",
         "sample rate 0"},
        {R"({"index":0,"input":"a.flac","output":"a.mp3","track":{"sheet":"../../a.cue","name":"01","number":1,"count":2,"start":0,"rate":44100,"tags":{}}})",
         "outside the input root"},
        {R"({"index":0,"input":"a.flac","output":"a.mp3","track":{"sheet":"a.cue","name":"01","number":1,"count":2,"start":0,"rate":44100,"tags":{"TITLE":"x"}}})",
         "\"tags.TITLE\" is not a list of texts"},
        {R"({"index":0,"input":"a.flac","output":"a.mp3","track":{"sheet":"a.cue","name":"01","number":1,"count":2,"start":0,"rate":44100,"tags":{},"filter":"x"}})",
         "\"filter\""},
        {R"({"index":0,"input":"a.wav",)", "not JSON"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const QString error = readError(c.line);
        EXPECT_TRUE(error.contains(c.reasonPart)) << error.toStdString();
    }
    EXPECT_EQ(readError(R"({"index":3,"input":"a/b.wav","output":"x/b (2).mp3","renamed":true})"), "");
    EXPECT_EQ(
        readError(R"({"index":0,"input":"a.flac","output":"a.mp3","track":{"sheet":"a.cue","name":"02","number":2,"count":2,"start":10,"rate":44100,"tags":{"TITLE":["b"]}}})"),
        "");
}

TEST(JobListText, AHeaderOfAnotherVersionOrWithUnknownFieldsIsRefused)
{
    QByteArray good = jobs::headerText(sampleHeader(2));
    EXPECT_EQ(headerError(good), "");
    EXPECT_TRUE(
        headerError(QByteArray(good).replace("\"quavero-job-list\":1", "\"quavero-job-list\":2")).contains("version 2"));
    EXPECT_TRUE(
        headerError(QByteArray(good).replace("\"tags\":false", "\"tags\":false,\"run\":\"sh\"")).contains("\"run\""));
    EXPECT_TRUE(headerError(QByteArray(good).replace("\"/music\"", "\"music\"")).contains("not an absolute"));
    EXPECT_TRUE(headerError(QByteArray(good).replace("\"plan\":\"plan-1\"", "\"plan\":\"\"")).contains("empty"));
    EXPECT_TRUE(headerError(R"({"index":0,"input":"a.wav","output":"a.mp3"})").contains("not the first line"));
}

TEST(JobListText, AListCutShortOrNumberedOutOfOrderCannotBeUsed)
{
    const QString folder = testenv::freshFolder(QStringLiteral("joblist-cut"));
    const QByteArray header = jobs::headerText(sampleHeader(3));
    const QByteArray job0 = jobs::jobText({0, "a.wav", "a.ogg", false});
    const QByteArray job1 = jobs::jobText({1, "b.wav", "b.ogg", false});
    const QByteArray job2 = jobs::jobText({2, "c.wav", "c.ogg", false});

    JobListFile whole;
    writeFile(folder + "/whole.jsonl", header + '\n' + job0 + '\n' + job1 + '\n' + job2 + "\n\n");
    EXPECT_TRUE(whole.open(folder + "/whole.jsonl")) << "blank lines at the end are no jobs";

    JobListFile cut;
    writeFile(folder + "/cut.jsonl", header + '\n' + job0 + '\n' + job1 + '\n');
    EXPECT_FALSE(cut.open(folder + "/cut.jsonl"));
    EXPECT_TRUE(cut.error().contains("says 3 jobs, and it holds 2")) << cut.error().toStdString();

    JobListFile swapped;
    writeFile(folder + "/swapped.jsonl", header + '\n' + job0 + '\n' + job2 + '\n' + job1);
    ASSERT_TRUE(swapped.open(folder + "/swapped.jsonl"));
    JobLine job;
    QString error;
    EXPECT_FALSE(swapped.job(1, &job, &error));
    EXPECT_TRUE(error.startsWith("line 3: it holds job 2")) << error.toStdString();

    JobListFile empty;
    writeFile(folder + "/empty.jsonl", "");
    EXPECT_FALSE(empty.open(folder + "/empty.jsonl"));
    EXPECT_FALSE(JobListFile().open(folder + "/missing.jsonl"));
}

TEST(JobPaths, RootsAndRelativePaths)
{
    EXPECT_EQ(jobs::commonFolder({"/data/music/a", "/data/music/b/c"}), "/data/music");
    EXPECT_EQ(jobs::commonFolder({"/data/music"}), "/data/music");
    EXPECT_EQ(jobs::commonFolder({"/data/music", "/data/musicals"}), "/data") << "whole folder names only";
    EXPECT_EQ(jobs::commonFolder({"/a", "/b"}), "/");
    EXPECT_EQ(jobs::relativeBelow("/data", "/data/x/y.wav"), "x/y.wav");
    EXPECT_EQ(jobs::relativeBelow("/data", "/database/y.wav"), "");
    EXPECT_EQ(jobs::relativeBelow("/", "/y.wav"), "y.wav");
    EXPECT_EQ(jobs::joined("/", "y.wav"), "/y.wav");
    EXPECT_EQ(jobs::quotedText("a\tb\n\"c\""), "\"a\\tb\\n\\\"c\\\"\"");
}

} // namespace quavero
