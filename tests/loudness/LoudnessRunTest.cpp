// SPDX-License-Identifier: GPL-3.0-or-later
// Whole runs with loudness asked for, with the real ffmpeg and sox: the tags
// of the published files against loudgain, an album's pair written once its
// last track is done, normalised outputs measured with ffmpeg's ebur128
// filter, and the warnings for too short and silent inputs.
#include "EntryFromPath.h"
#include "QtPrinters.h"
#include "ReferenceTools.h"
#include "TestApp.h"

#include "convert/core/RunPlanner.h"
#include "convert/engine/ConversionRun.h"
#include "convert/engine/FileSystemWorld.h"
#include "convert/engine/RunDetails.h"
#include "loudness/engine/RunGains.h"
#include "mirror/engine/OutputLedger.h"
#include "platform/core/BundledPrograms.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cstdio>

namespace quavero {

namespace {
constexpr qint64 kFlacOutput = 7;
constexpr qint64 kMp3Output = 8;
constexpr qint64 kAc3Output = 0;
constexpr qint64 kOpusOutput = 15;

struct RunResult {
    RunPlan plan;
    RunOutcome outcome;
    QStringList outputs; // the entries' final paths, in list order
};

RunResult runLoudness(const QStringList &inputs, const QString &destination, const SettingsSnapshot &settings)
{
    QList<NodeVideoFile> entries;
    for (const QString &input : inputs)
        entries << testentries::entryFor(input);
    RunResult result;
    result.plan = runplan::make(settings, runplan::inputsFrom(entries), destination, QCoreApplication::applicationPid(),
                                planworld::fileSystem(destination));
    auto ledger = std::make_shared<OutputLedger>();
    RunSetup setup;
    setup.plan = result.plan;
    setup.pacing.filesAtOnce = 2;
    const ProgramPaths programs{bundled::programPath(QStringLiteral("ffmpeg")),
                                bundled::programPath(QStringLiteral("sox"))};
    ConversionRun run(setup, runjobs::forPlans(programs, ledger, RunGains::forPlan(result.plan, ledger)));
    QSignalSpy finished(&run, &ConversionRun::finished);
    run.start();
    EXPECT_TRUE(finished.count() > 0 || finished.wait(120000));
    result.outcome = rundetails::outcome(run, [](const QString &path) { return QFileInfo(path).fileName(); });
    for (const EntryPlan &entry : result.plan.entries)
        result.outputs << entry.finalPath;
    return result;
}

SettingsSnapshot loudnessSettings(qint64 format, GainTagMode tags)
{
    SettingsSnapshot settings;
    settings.formatIndex = format;
    settings.loudness.tags = tags;
    return settings;
}

// "-6.52 dB" -> -6.52
double number(const QStringList &values)
{
    return values.isEmpty() ? qQNaN() : values.first().section(QLatin1Char(' '), 0, 0).toDouble();
}

// An input with an album tag, made from a generated WAV.
QString albumInput(const QString &wav, const QString &album)
{
    const QString out = wav.chopped(4) + QStringLiteral(".flac");
    return reference::ffmpeg({"-i", wav, "-metadata", "album=" + album, out}) ? out : QString();
}

void printRunRow(const QString &file, double gain, double peak, const reference::LoudgainRow &theirs)
{
    if (qEnvironmentVariableIsEmpty("QUAVERO_LOUDNESS_TABLE"))
        return;
    std::printf("| %s | %.2f dB | %.6f | %.2f dB | %.6f | %.3f dB | %.6f |\n", qPrintable(file), gain, peak,
                theirs.gainDb, theirs.truePeak, gain - theirs.gainDb, peak - theirs.truePeak);
}
} // namespace

TEST(LoudnessRun, AlbumOfThreeAgreesWithLoudgain)
{
    const QString in = testenv::freshFolder("loudness-run-in");
    const QString out = testenv::freshFolder("loudness-run-out");
    const QStringList inputs{albumInput(reference::pinkNoise(in + "/1 pink.wav", 6, 0.05), "Even"),
                             albumInput(reference::tone(in + "/2 tone.wav", 5, 0.5), "Even"),
                             albumInput(reference::speech(in + "/3 speech.wav"), "Even")};
    ASSERT_FALSE(inputs.contains(QString()));
    const RunResult run = runLoudness(inputs, out, loudnessSettings(kFlacOutput, GainTagMode::Album));
    ASSERT_EQ(run.outcome.count(EntryFate::Converted), 3);
    const QList<reference::LoudgainRow> rows = reference::loudgain(run.outputs, true);
    ASSERT_EQ(rows.size(), 4);
    for (int i = 0; i < 3; ++i) {
        const QMap<QString, QStringList> tags = reference::mutagenTags(run.outputs.at(i));
        const double gain = number(tags.value("replaygain_track_gain"));
        const double peak = number(tags.value("replaygain_track_peak"));
        EXPECT_NEAR(gain, rows.at(i).gainDb, 0.1) << run.outputs.at(i).toStdString();
        EXPECT_NEAR(peak, rows.at(i).truePeak, 0.005) << run.outputs.at(i).toStdString();
        // Every track holds the one album pair, from all their blocks together.
        EXPECT_NEAR(number(tags.value("replaygain_album_gain")), rows.last().gainDb, 0.1);
        EXPECT_NEAR(number(tags.value("replaygain_album_peak")), rows.last().truePeak, 0.005);
        EXPECT_EQ(tags.value("replaygain_reference_loudness"), QStringList{"-18.00 LUFS"});
        // The tags copied from the input stay beside them.
        EXPECT_EQ(tags.value("album"), QStringList{"Even"});
        printRunRow(QFileInfo(run.outputs.at(i)).fileName(), gain, peak, rows.at(i));
    }
    printRunRow("album", number(reference::mutagenTags(run.outputs.first()).value("replaygain_album_gain")),
                number(reference::mutagenTags(run.outputs.first()).value("replaygain_album_peak")), rows.last());
    // No temporary copy of the album step is left beside the outputs.
    EXPECT_EQ(QDir(out).entryList(QDir::Files | QDir::Hidden).size(), 3);
}

TEST(LoudnessRun, TwoAlbumsAndAnUntaggedTrackInOneRun)
{
    const QString in = testenv::freshFolder("loudness-albums-in");
    const QString out = testenv::freshFolder("loudness-albums-out");
    const QStringList inputs{albumInput(reference::tone(in + "/a1.wav", 3, 0.5), "A"),
                             albumInput(reference::pinkNoise(in + "/b1.wav", 3, 0.1), "B"),
                             albumInput(reference::tone(in + "/a2.wav", 3, 0.1, 48000), "A"),
                             reference::pinkNoise(in + "/loose.wav", 3, 0.2)};
    ASSERT_FALSE(inputs.contains(QString()));
    const RunResult run = runLoudness(inputs, out, loudnessSettings(kFlacOutput, GainTagMode::Album));
    ASSERT_EQ(run.outcome.count(EntryFate::Converted), 4);
    const auto albumGain = [&](int i) {
        return reference::mutagenTags(run.outputs.at(i)).value("replaygain_album_gain");
    };
    const QList<reference::LoudgainRow> a = reference::loudgain({run.outputs.at(0), run.outputs.at(2)}, true);
    ASSERT_EQ(a.size(), 3);
    EXPECT_NEAR(number(albumGain(0)), a.last().gainDb, 0.1);
    EXPECT_EQ(albumGain(0), albumGain(2));
    // A one-track album's gain is its track's.
    EXPECT_EQ(albumGain(1), reference::mutagenTags(run.outputs.at(1)).value("replaygain_track_gain"));
    // A track of no album gets its track pair only.
    const QMap<QString, QStringList> loose = reference::mutagenTags(run.outputs.at(3));
    EXPECT_TRUE(loose.contains("replaygain_track_gain"));
    EXPECT_FALSE(loose.contains("replaygain_album_gain"));
}

TEST(LoudnessRun, Mp3TrackTagsAndEffectsMeasuredAfterSox)
{
    const QString in = testenv::freshFolder("loudness-mp3-in");
    const QString out = testenv::freshFolder("loudness-mp3-out");
    const QString speech = reference::speech(in + "/speech.wav");
    ASSERT_FALSE(speech.isEmpty());
    const RunResult mp3 = runLoudness({speech}, out, loudnessSettings(kMp3Output, GainTagMode::Track));
    ASSERT_EQ(mp3.outcome.count(EntryFate::Converted), 1);
    const QMap<QString, QStringList> tags = reference::mutagenTags(mp3.outputs.first());
    const QList<reference::LoudgainRow> rows = reference::loudgain(mp3.outputs);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_NEAR(number(tags.value("TXXX:REPLAYGAIN_TRACK_GAIN")), rows.first().gainDb, 0.1);
    EXPECT_NEAR(number(tags.value("TXXX:REPLAYGAIN_TRACK_PEAK")), rows.first().truePeak, 0.005);
    printRunRow("speech.mp3", number(tags.value("TXXX:REPLAYGAIN_TRACK_GAIN")),
                number(tags.value("TXXX:REPLAYGAIN_TRACK_PEAK")), rows.first());

    // sox's gain changes the audio after ffmpeg: the tags describe the file.
    SettingsSnapshot louder = loudnessSettings(kFlacOutput, GainTagMode::Track);
    louder.records.m_AF_FLAC.setI_Gain(-6);
    const RunResult flac = runLoudness({speech}, testenv::freshFolder("loudness-fx-out"), louder);
    ASSERT_EQ(flac.outcome.count(EntryFate::Converted), 1);
    const QList<reference::LoudgainRow> fx = reference::loudgain(flac.outputs);
    ASSERT_EQ(fx.size(), 1);
    EXPECT_NEAR(number(reference::mutagenTags(flac.outputs.first()).value("replaygain_track_gain")), fx.first().gainDb,
                0.1);
    EXPECT_NEAR(fx.first().gainDb - rows.first().gainDb, 6.0, 0.5);
}

TEST(LoudnessRun, OpusGetsR128GainsAndKeepsItsHeaderGainAtZero)
{
    const QString in = testenv::freshFolder("loudness-opus-in");
    const QStringList inputs{albumInput(reference::tone(in + "/a.wav", 4, 0.3), "O"),
                             albumInput(reference::speech(in + "/b.wav"), "O")};
    ASSERT_FALSE(inputs.contains(QString()));
    const RunResult run =
        runLoudness(inputs, testenv::freshFolder("loudness-opus-out"), loudnessSettings(kOpusOutput, GainTagMode::Album));
    ASSERT_EQ(run.outcome.count(EntryFate::Converted), 2);
    const QList<reference::LoudgainRow> rows = reference::loudgain(run.outputs, true);
    ASSERT_EQ(rows.size(), 3);
    for (int i = 0; i < 2; ++i) {
        const QMap<QString, QStringList> tags = reference::mutagenTags(run.outputs.at(i));
        // RFC 7845: whole steps of 1/256 dB to -23 LUFS, no ReplayGain fields.
        ASSERT_EQ(tags.value("r128_track_gain").size(), 1);
        EXPECT_NEAR(tags.value("r128_track_gain").first().toInt() / 256.0, rows.at(i).gainDb, 0.1);
        EXPECT_NEAR(tags.value("r128_album_gain").first().toInt() / 256.0, rows.last().gainDb, 0.1);
        EXPECT_FALSE(tags.contains("replaygain_track_gain"));
        // The OpusHead packet opens the first page; its output gain stays 0.
        QFile file(run.outputs.at(i));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(64);
        const qsizetype at = head.indexOf("OpusHead");
        ASSERT_GE(at, 0);
        EXPECT_EQ(head.mid(at + 16, 2), QByteArray(2, '\0'));
    }
}

TEST(LoudnessRun, TooShortAndSilentAreConvertedWithoutTags)
{
    const QString in = testenv::freshFolder("loudness-bad-in");
    const QString out = testenv::freshFolder("loudness-bad-out");
    const QStringList inputs{albumInput(reference::tone(in + "/short.wav", 0.3, 0.3), "Odd"),
                             albumInput(reference::silence(in + "/silent.wav", 3), "Odd"),
                             albumInput(reference::tone(in + "/fine.wav", 3, 0.3), "Odd")};
    ASSERT_FALSE(inputs.contains(QString()));
    const RunResult run = runLoudness(inputs, out, loudnessSettings(kFlacOutput, GainTagMode::Album));
    ASSERT_EQ(run.outcome.count(EntryFate::Converted), 3);
    EXPECT_EQ(run.outcome.entries.at(0).warnings, QStringList{"no loudness tags: too short to measure"});
    EXPECT_EQ(run.outcome.entries.at(1).warnings, QStringList{"no loudness tags: silent"});
    for (int i = 0; i < 2; ++i) {
        const QMap<QString, QStringList> tags = reference::mutagenTags(run.outputs.at(i));
        EXPECT_FALSE(tags.contains("replaygain_track_gain")) << i;
        EXPECT_FALSE(tags.contains("replaygain_album_gain")) << i;
    }
    // The album is the one track that could be measured.
    const QMap<QString, QStringList> fine = reference::mutagenTags(run.outputs.at(2));
    EXPECT_EQ(fine.value("replaygain_album_gain"), fine.value("replaygain_track_gain"));
}

TEST(LoudnessRun, FormatWithoutTagsIsSaidOnce)
{
    const QString in = testenv::freshFolder("loudness-ac3-in");
    const QStringList inputs{reference::tone(in + "/a.wav", 2, 0.3), reference::tone(in + "/b.wav", 2, 0.3)};
    const RunResult run =
        runLoudness(inputs, testenv::freshFolder("loudness-ac3-out"), loudnessSettings(kAc3Output, GainTagMode::Album));
    EXPECT_EQ(run.outcome.count(EntryFate::Converted), 2);
    EXPECT_EQ(run.outcome.notes, QStringList{".AC3 files hold no loudness tags: none were written"});
    for (const EntryPlan &entry : run.plan.entries)
        for (const PlannedStage &stage : entry.stages)
            EXPECT_EQ(stage.tap, LoudnessTap::None);
}

TEST(LoudnessRun, NormalisedOutputsReachTheTargetUnderThePeakLimit)
{
    const QString in = testenv::freshFolder("loudness-norm-in");
    const QStringList inputs{reference::pinkNoise(in + "/quiet.wav", 8, 0.05),
                             reference::pinkNoise(in + "/loud.wav", 8, 0.9, 3), reference::speech(in + "/speech.wav")};
    ASSERT_FALSE(inputs.contains(QString()));
    SettingsSnapshot settings = loudnessSettings(kFlacOutput, GainTagMode::Track);
    settings.loudness.normalize = true;
    settings.loudness.targetLufs = -16;
    const RunResult run = runLoudness(inputs, testenv::freshFolder("loudness-norm-out"), settings);
    ASSERT_EQ(run.outcome.count(EntryFate::Converted), 3);
    for (int i = 0; i < 2; ++i) {
        const reference::Ebur128Summary measured = reference::ebur128(run.outputs.at(i));
        ASSERT_TRUE(measured.ok);
        EXPECT_NEAR(measured.integrated, -16.0, 1.0) << i;
        EXPECT_LE(measured.truePeak, -1.0) << i;
        EXPECT_TRUE(run.outcome.entries.at(i).warnings.isEmpty()) << i;
        // The tags describe the normalised audio: about -2 dB to -18 LUFS.
        EXPECT_NEAR(number(reference::mutagenTags(run.outputs.at(i)).value("replaygain_track_gain")), -2.0, 1.0);
    }
    // Speech's peaks stop it short of -16 at -1 dBTP; the summary says where it got.
    SettingsSnapshot loud = settings;
    loud.loudness.targetLufs = -6;
    const RunResult limited = runLoudness({inputs.at(2)}, testenv::freshFolder("loudness-limit-out"), loud);
    ASSERT_EQ(limited.outcome.count(EntryFate::Converted), 1);
    const reference::Ebur128Summary measured = reference::ebur128(limited.outputs.first());
    ASSERT_TRUE(measured.ok);
    EXPECT_LE(measured.truePeak, -1.0);
    const QStringList warnings = limited.outcome.entries.first().warnings;
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.first().startsWith("reached -")) << warnings.first().toStdString();
    EXPECT_TRUE(warnings.first().endsWith(" LUFS of -6: peak limit")) << warnings.first().toStdString();
    EXPECT_NEAR(warnings.first().section(' ', 1, 1).toDouble(), measured.integrated, 1.0);
}

TEST(LoudnessRun, NormalisingDropsLoudnessTagsCopiedFromTheInput)
{
    const QString in = testenv::freshFolder("loudness-stale-in");
    const QString source = reference::tone(in + "/a.wav", 3, 0.1);
    const QString withGain = in + "/a.flac";
    ASSERT_TRUE(reference::ffmpeg({"-i", source, "-metadata", "REPLAYGAIN_TRACK_GAIN=+9.00 dB", withGain}));
    SettingsSnapshot settings = loudnessSettings(kFlacOutput, GainTagMode::None);
    settings.loudness.normalize = true;
    const RunResult run = runLoudness({withGain}, testenv::freshFolder("loudness-stale-out"), settings);
    ASSERT_EQ(run.outcome.count(EntryFate::Converted), 1);
    EXPECT_FALSE(reference::mutagenTags(run.outputs.first()).contains("replaygain_track_gain"));
}

} // namespace quavero
