// SPDX-License-Identifier: GPL-3.0-or-later
// quavero-cli's presets and output-name templates: --preset with the options
// after it overriding it, --save-preset into the settings file the window
// shares, --list-presets, and the mistakes that end with exit status 2.
#include "CliRunner.h"
#include "StoredSettings.h"
#include "TestApp.h"

#include "presets/engine/PresetStore.h"

#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

namespace quavero {

using namespace clitest;

namespace {
class CliPresets : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Quavero", "Quavero");
        settings.clear();
        settings.sync();
        m_input = testenv::freshFolder(QStringLiteral("cli-presets")) + QStringLiteral("/song.wav");
        QFile file(m_input);
        file.open(QIODevice::WriteOnly);
        m_out = testenv::freshFolder(QStringLiteral("cli-presets-out"));
    }

    // The dry run's lines for the options, each split into its words.
    QList<QStringList> dryRun(const QStringList &options, CliRun *run = nullptr)
    {
        const CliRun r = runCli(QStringList{"-n", "-o", m_out} + options + QStringList{m_input});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        if (run)
            *run = r;
        QList<QStringList> lines;
        for (const QString &line : r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            lines << shellWords(line);
        return lines;
    }

    // The ffmpeg words after the input, without the output path.
    QString encoding(const QStringList &options, CliRun *run = nullptr)
    {
        const QList<QStringList> lines = dryRun(options, run);
        if (lines.isEmpty())
            return QStringLiteral("<no command>");
        const QStringList &words = lines.first();
        return words.mid(words.indexOf(QStringLiteral("-i")) + 2, words.size() - words.indexOf("-i") - 3).join(' ');
    }

    QString m_input;
    QString m_out;
};
} // namespace

TEST_F(CliPresets, APresetSetsFormatAndOptionsAndWhatComesAfterItOverridesIt)
{
    const QString phone = encoding({"--preset", "Phone (MP3, VBR quality 2)"});
    EXPECT_TRUE(phone.contains("-qscale:a 2")) << phone.toStdString();
    // The name without its remark, in any letter case, names it too.
    EXPECT_EQ(encoding({"--preset=phone"}), phone);
    // Options before the preset are replaced by it; options after it override it.
    EXPECT_EQ(encoding({"-f", "wav", "--set", "codec=PCM 24", "--preset", "phone"}), phone);
    const QString later = encoding({"--preset", "phone", "--set", "quality=5"});
    EXPECT_TRUE(later.contains("-qscale:a 5")) << later.toStdString();

    const QString cd = encoding({"--preset", "cd quality", "--set", "channels=mono"});
    EXPECT_TRUE(cd.contains("pcm_s16le") && cd.contains("-ar 44100") && cd.contains("-ac 1")) << cd.toStdString();

    // A later -f chooses another format: the preset's options do not fit it.
    CliRun run;
    const QString flac = encoding({"--preset", "phone", "-f", "flac"}, &run);
    EXPECT_TRUE(flac.contains("flac")) << flac.toStdString();
    EXPECT_TRUE(run.err.contains("the preset 'Phone (MP3, VBR quality 2)' is for mp3, but the format is flac: its "
                                 "options are left out"))
        << run.err.toStdString();
}

TEST_F(CliPresets, SavedPresetsAreSharedThroughTheSettingsFile)
{
    const CliRun save = runCli({"-f", "ogg", "--set", "mode=cbr", "--set", "Bitrate=128k", "--no-tags", "--save-preset",
                                "Podcast", "--set", "channels=mono"});
    EXPECT_EQ(save.exitCode, 0) << save.err.toStdString();
    EXPECT_EQ(save.out, "Saved the preset 'Podcast': ogg: mode=CBR, bitrate=128, channels=Mono; tags=no\n");
    EXPECT_TRUE(storedsettings::all().value(PresetStore::kKey).toString().contains("\"Podcast\""));

    const QString podcast = encoding({"--preset", "podcast"});
    EXPECT_TRUE(podcast.contains("-b:a 128k") && podcast.contains("-ac 1")) << podcast.toStdString();

    // Saving under the same name replaces it; the inputs on the line are not converted.
    const CliRun again = runCli({"--preset", "Podcast", "--set", "bitrate=96", "--save-preset", "podcast", m_input});
    EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_TRUE(again.out.startsWith("Replaced the preset 'podcast': ogg: mode=CBR, bitrate=96, channels=Mono; "
                                     "tags=no\nNothing was converted"))
        << again.out.toStdString();
    EXPECT_TRUE(QDir(m_out).isEmpty());

    const CliRun help = runCli({"--help"});
    for (const char *piece : {"--preset NAME", "--save-preset NAME", "--list-presets"})
        EXPECT_TRUE(help.out.contains(QLatin1String(piece))) << piece;

    const CliRun list = runCli({"--list-presets"});
    EXPECT_EQ(list.exitCode, 0);
    EXPECT_TRUE(list.out.startsWith("Built-in presets:\n  Phone (MP3, VBR quality 2)\n      mp3: mode=VBR, "
                                    "quality=2\n"))
        << list.out.toStdString();
    EXPECT_TRUE(list.out.endsWith("Saved presets:\n  podcast\n      ogg: mode=CBR, bitrate=96, channels=Mono; "
                                  "tags=no\n"))
        << list.out.toStdString();
}

TEST_F(CliPresets, MistakesEndWithExitStatusTwoAndChangeNothing)
{
    struct Case {
        QStringList arguments;
        const char *expected;
    };
    const QList<Case> cases{
        {{"--preset", "Tape", "-o", m_out, m_input},
         "unknown preset 'Tape'; the presets are: Phone (MP3, VBR quality 2); Archive (FLAC, same as input); "
         "CD quality (WAV, 16 bit, 44,100 Hz); Speech ("},
        {{"--name", "{artist}/{titel}", "-o", m_out, m_input}, "--name: unknown field {titel} at position 10"},
        {{"--name", "[{disc}-{track} {title}", "-o", m_out, m_input}, "'[' at position 1 has no ']' after it"},
        {{"--save-preset", "Phone (MP3, VBR quality 2)"}, "'Phone (MP3, VBR quality 2)' is the name of a built-in"},
        {{"--save-preset", " "}, "a preset needs a name"},
        {{"--set", "quality=11", "--save-preset", "Bad"}, "'11' is not a value of quality"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(QLatin1String(c.expected))) << run.err.toStdString();
    }
    EXPECT_FALSE(storedsettings::all().contains(PresetStore::kKey));
    EXPECT_TRUE(QDir(m_out).isEmpty());
}

TEST_F(CliPresets, APresetKeepsItsNameTemplate)
{
    const CliRun save = runCli(
        {"-f", "flac", "--name", "{albumartist}/[{album}/]{track:02} {title}", "--flat", "--save-preset", "Library"});
    EXPECT_EQ(save.exitCode, 0) << save.err.toStdString();
    EXPECT_EQ(save.out, "Saved the preset 'Library': flac; names {albumartist}/[{album}/]{track:02} {title}; "
                        "folders=flat\n");
    // The run names its outputs with the preset's template: this input has no
    // tags, so it keeps its own name, and the dry run says why.
    CliRun run;
    dryRun({"--preset", "library"}, &run);
    EXPECT_TRUE(run.out.startsWith("# ")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("song.wav: named after the input: it has no {albumartist}\n")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(m_out + "/song.flac")) << run.out.toStdString();
    EXPECT_TRUE(QDir(m_out).isEmpty());
}

TEST_F(CliPresets, APresetFromANewerVersionIsUsedWithoutWhatThisOneLacks)
{
    storedsettings::put(PresetStore::kKey,
                        R"json({"version":2,"presets":[{"name":"Future","format":"mp3",
                            "options":{"quality":"1","dither":"triangular"},"run":{"loudness":"album"}}]})json");
    CliRun run;
    const QString future = encoding({"--preset", "Future"}, &run);
    EXPECT_TRUE(future.contains("-qscale:a 1")) << future.toStdString();
    EXPECT_TRUE(run.err.contains("preset 'Future': mp3 has no option 'dither' in this version; it is left out"))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("the run setting 'loudness' is not known")) << run.err.toStdString();
}

} // namespace quavero
