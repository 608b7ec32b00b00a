// SPDX-License-Identifier: GPL-3.0-or-later
// The planner: what a run does with each entry, decided before anything runs,
// from the settings snapshot and the list alone.
#include "EntryFromPath.h"
#include "QtPrinters.h"
#include "convert/core/RunPlanner.h"
#include "convert/core/TemporaryName.h"

#include <QSet>
#include <gtest/gtest.h>

namespace quavero {

namespace {
constexpr qint64 kPid = 4242;

// A world with nothing at the destination, where "/link" is a link to "/music".
PlanWorld world(const QStringList &present = {})
{
    PlanWorld w;
    const QSet<QString> set(present.begin(), present.end());
    w.exists = [set](const QString &path) { return set.contains(path); };
    w.canonical = [](const QString &path) {
        QString p = path;
        if (p.startsWith("/link/"))
            p.replace(0, 5, "/music");
        return p;
    };
    return w;
}

SettingsSnapshot settingsFor(int format)
{
    SettingsSnapshot s;
    s.formatIndex = format;
    return s;
}

NodeVideoFile entryIn(const QString &path, const QString &relativeFolder = QString())
{
    NodeVideoFile e = testentries::entryFor(path);
    e.setS_Relative_Folder(relativeFolder);
    return e;
}

RunPlan planOf(const SettingsSnapshot &settings, const QList<PlanInput> &inputs, const PlanWorld &w = world())
{
    return runplan::make(settings, inputs, "/out", kPid, w);
}
} // namespace

TEST(RunPlanner, EachEntryGetsTheBuildersCommandsWrittenThroughTemporaryFiles)
{
    SettingsSnapshot wav = settingsFor(12); // .WAV: ffmpeg, then sox
    wav.records.m_AF_WAV.setF_Speed(1.5f);
    const RunPlan plan = planOf(wav, runplan::inputsFrom({entryIn("/music/a b.flac")}));
    ASSERT_EQ(plan.entries.size(), 1);
    const EntryPlan &e = plan.entries.first();
    EXPECT_EQ(e.action, PlanAction::Convert);
    EXPECT_EQ(e.finalPath, "/out/a b.wav");
    // ffmpeg and sox write temporary files beside the final one; the last
    // is put under the final name.
    EXPECT_EQ(e.intermediatePath, tempname::pathFor("/out/a b.wav", kPid, "enc"));
    EXPECT_EQ(e.publishPath, tempname::pathFor("/out/a b.wav", kPid, "fx"));
    ASSERT_EQ(e.stages.size(), 2);
    EXPECT_EQ(e.stages.at(0).program, StageProgram::Ffmpeg);
    EXPECT_EQ(e.stages.at(0).arguments,
              encoder::arguments(12, entryIn("/music/a b.flac"), wav.records, e.intermediatePath));
    EXPECT_EQ(e.stages.at(0).output, e.intermediatePath);
    EXPECT_EQ(e.stages.at(1).program, StageProgram::Sox);
    EXPECT_EQ(e.stages.at(1).arguments, QStringList({e.intermediatePath, e.publishPath, "speed", "1.50"}));
    EXPECT_TRUE(e.writes().contains("/out/a b.wav"));
    EXPECT_EQ(e.tagSource, "/music/a b.flac");

    // .MP3 straight from ffmpeg: one stage, whose file is published.
    const EntryPlan mp3 = planOf(settingsFor(8), runplan::inputsFrom({entryIn("/music/a.wav")})).entries.first();
    ASSERT_EQ(mp3.stages.size(), 1);
    EXPECT_EQ(mp3.stages.first().output, mp3.publishPath);
    EXPECT_EQ(QFileInfo(mp3.publishPath).path(), "/out");
    EXPECT_TRUE(mp3.intermediatePath.isEmpty());
}

TEST(RunPlanner, EveryTemporaryFileIsHiddenBesideItsOutputAndNoTwoEntriesShareOne)
{
    // Two entries named "a" kept in their own folders, and two long names
    // that are the same once shortened.
    const QString longBase(245, QLatin1Char('l'));
    const RunPlan plan = planOf(settingsFor(7), {{entryIn("/music/1/a.wav", "1"), {}},
                                                 {entryIn("/music/2/a.wav", "2"), {}},
                                                 {entryIn("/music/" + longBase + "1.wav"), {}},
                                                 {entryIn("/music/" + longBase + "2.wav"), {}}});
    QSet<QString> written;
    for (const EntryPlan &e : plan.entries) {
        EXPECT_EQ(e.action, PlanAction::Convert);
        for (const QString &path : e.writes()) {
            EXPECT_FALSE(written.contains(path)) << path.toStdString();
            written.insert(path);
            EXPECT_EQ(QFileInfo(path).path(), e.finalFolder);
            EXPECT_LE(QFileInfo(path).fileName().toUtf8().size(), 255);
            if (path != e.finalPath) {
                EXPECT_EQ(tempname::ownerOf(QFileInfo(path).fileName()), kPid) << path.toStdString();
            }
        }
        EXPECT_EQ(e.stages.at(1).arguments.first(), e.intermediatePath);
    }
    EXPECT_EQ(plan.entries.at(0).finalPath, "/out/1/a.flac");
    EXPECT_EQ(plan.entries.at(1).finalPath, "/out/2/a.flac");
}

TEST(RunPlanner, EntriesThatCannotBeConvertedFailAndClaimNoName)
{
    SettingsSnapshot flac = settingsFor(7);
    const RunPlan plan = planOf(flac,
                                {{entryIn("/music/gone.wav"), "no such file"},
                                 {entryIn("/music/a.wav"), {}},
                                 {entryIn("/music/sub/a.wav"), {}},
                                 {entryIn("/out/x.flac"), {}}}, // its output is itself
                                world());
    EXPECT_EQ(plan.entries.at(0).action, PlanAction::Fail);
    EXPECT_EQ(plan.entries.at(0).problem, "no such file");
    EXPECT_TRUE(plan.entries.at(0).stages.isEmpty());
    // The entry with a problem took no name: the first a keeps its own.
    EXPECT_EQ(plan.entries.at(1).finalPath, "/out/a.flac");
    EXPECT_EQ(plan.entries.at(2).finalPath, "/out/a (2).flac");
    EXPECT_TRUE(plan.entries.at(2).renamed);
    EXPECT_EQ(plan.entries.at(3).action, PlanAction::Fail);
    EXPECT_EQ(plan.entries.at(3).problem, "the output would replace an input file");
    EXPECT_TRUE(plan.entries.at(3).stages.isEmpty());

    const RunPlan linked = runplan::make(flac, runplan::inputsFrom({entryIn("/music/b.au"), entryIn("/music/b.flac")}),
                                         "/link", kPid, world());
    EXPECT_EQ(linked.entries.at(0).action, PlanAction::Fail) << "/link/b.flac is /music/b.flac";
    EXPECT_EQ(linked.entries.at(1).finalPath, "/link/b (2).flac");
    EXPECT_EQ(linked.entries.at(1).action, PlanAction::Convert);

    const RunPlan unknown = planOf(settingsFor(99), runplan::inputsFrom({entryIn("/music/a.wav")}));
    EXPECT_EQ(unknown.entries.first().action, PlanAction::Fail);
    EXPECT_EQ(unknown.entries.first().problem, "there is no output format number 99");
}

TEST(RunPlanner, TagsComeFromTheInputOnlyWhereTheyAreCopied)
{
    SettingsSnapshot mp3 = settingsFor(8);
    EXPECT_EQ(planOf(mp3, runplan::inputsFrom({entryIn("/music/a.flac")})).entries.first().tagSource, "/music/a.flac");
    mp3.copyTags = false;
    EXPECT_TRUE(planOf(mp3, runplan::inputsFrom({entryIn("/music/a.flac")})).entries.first().tagSource.isEmpty());
    // .RAW holds no tags at all.
    EXPECT_TRUE(
        planOf(settingsFor(10), runplan::inputsFrom({entryIn("/music/a.flac")})).entries.first().tagSource.isEmpty());
}

TEST(RunPlanner, FlatPutsEveryOutputIntoTheDestinationNumbered)
{
    SettingsSnapshot flat = settingsFor(8);
    flat.keepStructure = false;
    const RunPlan plan =
        planOf(flat, runplan::inputsFrom({entryIn("/music/A/01 Intro.flac", "A"), entryIn("/music/B/01 Intro.flac", "B")}),
               world({"/out/01 Intro (2).mp3"}));
    EXPECT_EQ(plan.entries.at(0).finalPath, "/out/01 Intro.mp3");
    EXPECT_EQ(plan.entries.at(1).finalPath, "/out/01 Intro (3).mp3");
}

TEST(RunPlanner, AnInputAlreadyInTheOutputFormatIsCopiedWhenAsked)
{
    NodeVideoFile mp3 = entryIn("/music/a.mp3");
    AudioStream stream;
    stream.codec = "mp3";
    stream.sampleRate = 44100;
    stream.channels = 2;
    mp3.setM_Audio_Stream(stream);
    NodeVideoFile named = entryIn("/music/b.mp3"); // its audio is not known yet
    SettingsSnapshot settings = settingsFor(8);
    settings.records.m_AF_MP3.setI_SampleRate(6); // 44100
    settings.records.m_AF_MP3.setI_Channels(1);   // stereo
    const auto plan = [&] { return planOf(settings, runplan::inputsFrom({mp3, named})); };

    EXPECT_EQ(plan().entries.at(0).action, PlanAction::Convert) << "copies only when asked";
    EXPECT_TRUE(runplan::streamsWanted(plan()).isEmpty());
    settings.copySameFormat = true;
    const EntryPlan copy = plan().entries.at(0);
    EXPECT_EQ(copy.action, PlanAction::Copy);
    EXPECT_TRUE(copy.stages.isEmpty());
    EXPECT_TRUE(copy.tagSource.isEmpty()) << "the copy has the input's tags already";
    EXPECT_EQ(QFileInfo(copy.publishPath).path(), "/out");
    EXPECT_EQ(runplan::streamsWanted(plan()), QList<int>{1}) << "ask ffmpeg about b.mp3 only";

    // Another rate, another channel count, or another codec: converted.
    settings.records.m_AF_MP3.setI_SampleRate(7);
    EXPECT_EQ(plan().entries.at(0).action, PlanAction::Convert);
    settings.records.m_AF_MP3.setI_SampleRate(6);
    settings.records.m_AF_MP3.setI_Channels(0);
    EXPECT_EQ(plan().entries.at(0).action, PlanAction::Convert);
    settings.records.m_AF_MP3.setI_Channels(1);
    stream.codec = "mp2";
    mp3.setM_Audio_Stream(stream);
    EXPECT_EQ(plan().entries.at(0).action, PlanAction::Convert);
}

TEST(RunPlanner, ACopyOfM4aOrOpusNeedsTheCodecTheOptionsWrite)
{
    const auto inputOf = [](const char *path, const char *codec, int rate) {
        NodeVideoFile input = entryIn(QString::fromLatin1(path));
        AudioStream stream;
        stream.codec = QString::fromLatin1(codec);
        stream.sampleRate = rate;
        stream.channels = 2;
        input.setM_Audio_Stream(stream);
        return input;
    };
    const auto actions = [](SettingsSnapshot settings, const QList<NodeVideoFile> &inputs) {
        settings.copySameFormat = true;
        QList<PlanAction> list;
        for (const EntryPlan &e : planOf(settings, runplan::inputsFrom(inputs)).entries)
            list << e.action;
        return list;
    };
    const QList<NodeVideoFile> m4a = {inputOf("/music/lossless.m4a", "alac", 44100),
                                      inputOf("/music/lossy.M4A", "aac", 44100)};
    SettingsSnapshot alac = settingsFor(14);
    alac.records.m_AF_M4A.setI_Codec(1); // Apple Lossless
    alac.records.m_AF_M4A.setI_Sample_Rate(6);
    EXPECT_EQ(actions(alac, m4a), QList<PlanAction>({PlanAction::Copy, PlanAction::Convert}));
    alac.records.m_AF_M4A.setI_Codec(0); // AAC
    EXPECT_EQ(actions(alac, m4a), QList<PlanAction>({PlanAction::Convert, PlanAction::Copy}));

    const SettingsSnapshot opus = settingsFor(15);
    EXPECT_EQ(actions(opus, {inputOf("/music/talk.opus", "opus", 48000), inputOf("/music/talk.ogg", "opus", 48000)}),
              QList<PlanAction>({PlanAction::Copy, PlanAction::Convert}));
}

} // namespace quavero
