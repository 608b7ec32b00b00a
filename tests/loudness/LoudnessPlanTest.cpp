// SPDX-License-Identifier: GPL-3.0-or-later
// Loudness in the run's plan: the arguments that send ffmpeg's decoded audio
// to the meter, the measuring pass and the gain it fills in, the stages each
// setting adds, the fingerprint, and the command line and stored settings.
#include "EntryFromPath.h"
#include "QtPrinters.h"

#include "cli/CommandLine.h"
#include "convert/core/RunPlanner.h"
#include "loudness/core/LoudnessSettings.h"
#include "loudness/core/MeteredArguments.h"

#include <QSet>

#include <gtest/gtest.h>

namespace quavero {

namespace {
constexpr qint64 kFlac = 7;
constexpr qint64 kMp3 = 8;
constexpr qint64 kWma = 13;

PlanWorld noFiles()
{
    PlanWorld world;
    world.exists = [](const QString &) { return false; };
    world.canonical = [](const QString &path) { return path; };
    return world;
}

EntryPlan planEntry(const SettingsSnapshot &settings, RunPlan *whole = nullptr)
{
    const RunPlan plan =
        runplan::make(settings, runplan::inputsFrom({testentries::entryFor("/in/song.wav", 5)}), "/out", 42, noFiles());
    if (whole)
        *whole = plan;
    return plan.entries.first();
}

qsizetype at(const QStringList &args, const QString &word) { return args.indexOf(word); }
} // namespace

TEST(MeteredArguments, SplitAfterTheOutputsFiltersAtItsRateAndChannels)
{
    const QStringList mp3{"-i",  "file:/in/a.flac", "-codec:a", "libmp3lame", "-b:a",      "192", "-ar", "44100",
                          "-af", "volume=2",        "-ac",      "2",          "/out/a.mp3"};
    const QStringList a = loudness::meteredArguments(mp3);
    ASSERT_GE(at(a, "-filter_complex"), 0);
    EXPECT_EQ(a.at(at(a, "-filter_complex") + 1), "[0:a:0]volume=2,asplit=2[qv_out][qv_meter]");
    EXPECT_LT(at(a, "file:/in/a.flac"), at(a, "-filter_complex"));
    EXPECT_FALSE(a.contains("-af")); // one output, one chain: it moved into the graph
    // The file keeps the picture MP3 keeps, and comes before the meter's output.
    EXPECT_EQ(a.mid(at(a, "[qv_out]") - 1, 4), (QStringList{"-map", "[qv_out]", "-map", "0:v:0?"}));
    const qsizetype file = at(a, "/out/a.mp3");
    ASSERT_GT(file, 0);
    EXPECT_EQ(a.mid(file + 1),
              (QStringList{"-map", "[qv_meter]", "-ar", "44100", "-ac", "2", "-c:a", "pcm_f32le", "-f", "wav", "pipe:1"}));

    // A format that drops pictures gets no picture; no chain, no filter before asplit.
    const QStringList flac =
        loudness::meteredArguments({"-ss", "30", "-i", "/in/img.flac", "-acodec", "flac", "-vn", "/out/b.flac"});
    EXPECT_EQ(flac.mid(0, 4), (QStringList{"-ss", "30", "-i", "/in/img.flac"}));
    EXPECT_EQ(flac.at(at(flac, "-filter_complex") + 1), "[0:a:0]asplit=2[qv_out][qv_meter]");
    EXPECT_FALSE(flac.contains("0:v:0?"));
}

TEST(MeteredArguments, MeasuringPassAndTheGainItFinds)
{
    const QStringList conversion{"-i", "in.wav", "-af", "volume=2", "-ar", "8000", "-ac", "1", "out.amr"};
    const QStringList measure = loudness::measureArguments(conversion);
    EXPECT_FALSE(measure.contains("out.amr"));
    EXPECT_EQ(measure.last(), "pipe:1");
    EXPECT_EQ(measure.mid(1, 6), (QStringList{"-i", "in.wav", "-map", "0:a:0", "-af", "volume=2"}));
    EXPECT_TRUE(measure.join(' ').contains("-ar 8000 -ac 1"));

    const QStringList placed = loudness::withFilterLast(conversion, loudness::kGainPlaceholder);
    EXPECT_EQ(placed.at(3), "volume=2," + loudness::kGainPlaceholder);
    const QStringList bare = loudness::withFilterLast({"-i", "in.wav", "out.flac"}, "x");
    EXPECT_EQ(bare, (QStringList{"-i", "in.wav", "-af", "x", "out.flac"}));
    EXPECT_EQ(loudness::withGain(placed, 3.456).at(3), "volume=2,volume=3.46dB");
    // An input named like a filter is left alone: only the chain takes it.
    EXPECT_EQ(loudness::withFilterLast({"-i", "-af", "out.flac"}, "x").at(1), "-af");
}

TEST(LoudnessPlan, StagesEachSettingAdds)
{
    SettingsSnapshot settings;
    settings.formatIndex = kMp3;
    EXPECT_EQ(planEntry(settings).stages.size(), 1);
    EXPECT_EQ(planEntry(settings).stages.first().tap, LoudnessTap::None);

    settings.loudness.tags = GainTagMode::Track;
    EntryPlan tagged = planEntry(settings);
    ASSERT_EQ(tagged.stages.size(), 1);
    EXPECT_EQ(tagged.stages.first().tap, LoudnessTap::Track);
    EXPECT_TRUE(tagged.stages.first().arguments.contains("-filter_complex"));
    EXPECT_EQ(tagged.writes(), (QStringList{tagged.publishPath, tagged.tagScratchPath, tagged.finalPath}));

    settings.loudness.normalize = true;
    settings.loudness.targetLufs = -14;
    const EntryPlan both = planEntry(settings);
    ASSERT_EQ(both.stages.size(), 2);
    EXPECT_EQ(both.stages.at(0).tap, LoudnessTap::Normalize);
    EXPECT_TRUE(both.stages.at(0).output.isEmpty());
    EXPECT_EQ(both.stages.at(1).tap, LoudnessTap::Track);
    EXPECT_TRUE(both.stages.at(1).arguments.join(' ').contains("volume=MEASURED_GAIN,asplit=2"));
    EXPECT_FALSE(both.writes().contains(QString()));

    // FLAC goes through sox: neutral, the ffmpeg stage is measured; with an
    // effect, a last pass measures sox's file.
    SettingsSnapshot flac;
    flac.formatIndex = kFlac;
    flac.loudness.tags = GainTagMode::Album;
    const EntryPlan neutral = planEntry(flac);
    ASSERT_EQ(neutral.stages.size(), 2);
    EXPECT_EQ(neutral.stages.at(0).tap, LoudnessTap::Track);
    flac.records.m_AF_FLAC.setI_Bass(4);
    const EntryPlan withBass = planEntry(flac);
    ASSERT_EQ(withBass.stages.size(), 3);
    EXPECT_EQ(withBass.stages.at(0).tap, LoudnessTap::None);
    EXPECT_EQ(withBass.stages.at(2).tap, LoudnessTap::Track);
    EXPECT_TRUE(withBass.stages.at(2).arguments.contains("file:" + withBass.publishPath));
}

TEST(LoudnessPlan, FormatWithoutTagsAndCopiesOfTheSameFormat)
{
    SettingsSnapshot settings;
    settings.formatIndex = 0; // .AC3
    settings.loudness.tags = GainTagMode::Track;
    RunPlan plan;
    const EntryPlan entry = planEntry(settings, &plan);
    EXPECT_EQ(entry.loudness.tags, GainTagMode::None);
    EXPECT_EQ(entry.stages.first().tap, LoudnessTap::None);
    EXPECT_EQ(plan.warnings, QStringList{".AC3 files hold no loudness tags: none were written"});
    settings.formatIndex = kWma;
    planEntry(settings, &plan);
    EXPECT_TRUE(plan.warnings.isEmpty());

    // An MP3 into MP3 would be copied; asked for loudness, it is converted.
    SettingsSnapshot same;
    same.formatIndex = kMp3;
    same.copySameFormat = true;
    same.records.m_AF_MP3.setI_SampleRate(6); // 44100
    same.records.m_AF_MP3.setI_Channels(1);   // stereo
    NodeVideoFile mp3 = testentries::entryFor("/in/song.mp3", 5);
    AudioStream stream;
    stream.codec = "mp3";
    stream.sampleRate = 44100;
    stream.channels = 2;
    mp3.setM_Audio_Stream(stream);
    const auto actionFor = [&](const SettingsSnapshot &s) {
        return runplan::make(s, runplan::inputsFrom({mp3}), "/out", 42, noFiles()).entries.first().action;
    };
    const PlanAction copied = actionFor(same);
    same.loudness.normalize = true;
    EXPECT_EQ(actionFor(same), PlanAction::Convert);
    EXPECT_EQ(copied, PlanAction::Copy);
}

TEST(LoudnessPlan, FingerprintTellsTheSettingsApart)
{
    SettingsSnapshot a;
    SettingsSnapshot b = a;
    b.loudness.tags = GainTagMode::Track;
    SettingsSnapshot c = b;
    c.loudness.tags = GainTagMode::Album;
    SettingsSnapshot d = a;
    d.loudness.normalize = true;
    SettingsSnapshot e = d;
    e.loudness.targetLufs = -23;
    const QStringList prints{runplan::fingerprintOf(a), runplan::fingerprintOf(b), runplan::fingerprintOf(c),
                             runplan::fingerprintOf(d), runplan::fingerprintOf(e)};
    EXPECT_EQ(QSet<QString>(prints.begin(), prints.end()).size(), 5);
    // A target that is not used does not count.
    SettingsSnapshot f = a;
    f.loudness.targetLufs = -30;
    EXPECT_EQ(runplan::fingerprintOf(f), runplan::fingerprintOf(a));
}

TEST(LoudnessOptions, CommandLineAndStoredSettings)
{
    const auto parse = [](const QStringList &words) {
        return cli::parseCommandLine(QStringList{"-o", "/out"} + words + QStringList{"/in/a.wav"});
    };
    cli::ParsedCommandLine p = parse({"--normalize", "-16", "--replaygain", "album"});
    ASSERT_TRUE(p.ok()) << p.error.toStdString();
    EXPECT_TRUE(p.request.loudness.normalize);
    EXPECT_EQ(p.request.loudness.targetLufs, -16.0);
    EXPECT_EQ(p.request.loudness.tags, GainTagMode::Album);
    EXPECT_EQ(p.request.inputs, QStringList{"/in/a.wav"});
    p = parse({"--normalize=-23.5", "--replaygain=track"});
    ASSERT_TRUE(p.ok());
    EXPECT_EQ(p.request.loudness.targetLufs, -23.5);
    EXPECT_EQ(p.request.loudness.tags, GainTagMode::Track);
    EXPECT_EQ(parse({}).request.loudness, LoudnessSettings{});
    for (const QStringList &bad : {QStringList{"--normalize", "loud"}, QStringList{"--normalize", "5"},
                                   QStringList{"--normalize=-71"}, QStringList{"--replaygain", "disc"}})
        EXPECT_FALSE(parse(bad).ok()) << bad.join(' ').toStdString();
    EXPECT_EQ(parse({"--normalize", "-16"}).request.inputs, QStringList{"/in/a.wav"});

    EXPECT_EQ(loudness::fromStored("album", "-14").tags, GainTagMode::Album);
    EXPECT_EQ(loudness::fromStored("album", "-14").targetLufs, -14.0);
    EXPECT_TRUE(loudness::fromStored("track", "-14").normalize);
    EXPECT_EQ(loudness::fromStored("", "").tags, GainTagMode::None);
    EXPECT_FALSE(loudness::fromStored("loud", "nonsense").normalize);
    EXPECT_EQ(loudness::targetText(-16.0), "-16");
    EXPECT_EQ(loudness::targetText(-23.46), "-23.5");
    EXPECT_EQ(loudness::targetFromText("-16 LUFS"), -16.0);
}

} // namespace quavero
