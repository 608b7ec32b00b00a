// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of quavero-cli, read in-process: usage errors name what is
// accepted, --set VALUEs are matched by label into the commands the plan
// builds, and the informative texts. The program itself is run only for what
// needs a process: the exit status of a wrong command line.
#include "CliRunner.h"
#include "TestApp.h"
#include "cli/CommandLine.h"
#include "cli/ConvertCommand.h"
#include "cli/DryRun.h"
#include "cli/FormatListing.h"
#include "cli/HelpText.h"
#include "convert/core/RunPlanner.h"
#include "formats/core/FormatTable.h"
#include "formats/core/OptionFields.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace quavero {

using namespace clitest;

namespace {
QString touchedInput()
{
    const QString folder = testenv::freshFolder(QStringLiteral("cli-args"));
    QFile file(folder + QStringLiteral("/song.wav"));
    file.open(QIODevice::WriteOnly);
    return file.fileName();
}

// The ffmpeg words (and the sox words, when sox follows) the plan of one
// file holds for these options.
QList<QStringList> plannedWords(const QStringList &options)
{
    const cli::ParsedCommandLine parsed =
        cli::parseCommandLine(QStringList{"-o", "/out"} + options + QStringList{"/in/song.wav"});
    EXPECT_TRUE(parsed.ok()) << parsed.error.toStdString();
    PlanWorld world;
    world.exists = [](const QString &) { return false; };
    world.canonical = [](const QString &path) { return path; };
    NodeVideoFile entry;
    entry.setS_File_Path("/in/song.wav");
    entry.setS_File_URL(QUrl::fromLocalFile("/in/song.wav"));
    entry.setS_File_Name_Without_Extension("song");
    const RunPlan plan = runplan::make(cli::snapshotOf(parsed.request), runplan::inputsFrom({entry}), "/out", 1, world);
    QList<QStringList> words;
    for (const PlannedStage &stage : plan.entries.first().stages)
        words << stage.arguments;
    return words;
}

// The words of the line that follow `option`.
QString valueAfter(const QStringList &words, const QString &option)
{
    const int at = int(words.indexOf(option));
    return at >= 0 && at + 1 < words.size() ? words.at(at + 1) : QStringLiteral("<no %1>").arg(option);
}

struct UsageCase {
    QStringList arguments; // "IN" stands for an existing input file, "OUT" for an output folder
    QString expected;      // a piece of the message
};
} // namespace

TEST(CliCommandLine, UsageErrorsSayWhatIsAccepted)
{
    const QString allFormats =
        QStringLiteral("ac3, aifc, aiff, aif, amr, au, caf, flac, mp3, ogg, raw, spx, wav, wma, m4a, opus");
    const QList<UsageCase> cases{
        {{"-f", "xyz", "-o", "OUT", "IN"}, "unknown format 'xyz'; the formats are: " + allFormats},
        {{"--format=.mp4", "-o", "OUT", "IN"}, "unknown format '.mp4'"},
        {{"--set", "foo=1", "-o", "OUT", "IN"},
         "mp3 has no option 'foo'; its options are: mode, quality, bitrate, channels, rate, volume"},
        {{"--set", "channels=quad", "-o", "OUT", "IN"},
         "'quad' is not a value of channels; it takes Mono, Stereo, Same as input"},
        {{"--set", "quality=10", "-o", "OUT", "IN"}, "it takes 0 (Highest), 1, 2, 3, 4, 5, 6, 7, 8, 9 (Lowest)"},
        {{"-f", "ogg", "--set", "bitrate=500", "-o", "OUT", "IN"}, "ogg: '500' is not a value of bitrate"},
        {{"-f", "ac3", "--set", "rate=44100", "-o", "OUT", "IN"}, "ac3 has no options"},
        {{"-f", "wav", "--set", "speed=0", "-o", "OUT", "IN"}, "a factor such as 1.25"},
        {{"-f", "wav", "--set", "speed=fast", "-o", "OUT", "IN"}, "a factor such as 1.25"},
        {{"-f", "wav", "--set", "gain=1.5", "-o", "OUT", "IN"}, "whole decibels"},
        {{"-f", "mp3", "--set", "gain=3", "-o", "OUT", "IN"}, "mp3 has no option 'gain'"},
        {{"--set", "quality", "-o", "OUT", "IN"}, "--set takes NAME=VALUE"},
        {{"-j", "0", "-o", "OUT", "IN"}, "-j/--jobs takes a whole number from 1"},
        {{"--jobs=many", "-o", "OUT", "IN"}, "-j/--jobs takes a whole number from 1"},
        {{"IN"}, "no output folder: name one with -o DIR"},
        {{"-o", "OUT"}, "nothing to convert: name at least one audio file or folder"},
        {{"--bogus", "-o", "OUT", "IN"}, "unknown option '--bogus'"},
        {{"-rx", "-o", "OUT", "IN"}, "unknown option '-x'"},
        {{"-o", "OUT", "IN", "-f"}, "-f/--format needs a value"},
        {{"--quiet=yes", "-o", "OUT", "IN"}, "--quiet takes no value"},
    };
    for (const UsageCase &c : cases) {
        QStringList args = c.arguments;
        args.replaceInStrings(QRegularExpression(QStringLiteral("^IN$")), QStringLiteral("/in/song.wav"));
        args.replaceInStrings(QRegularExpression(QStringLiteral("^OUT$")), QStringLiteral("/out"));
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const cli::ParsedCommandLine parsed = cli::parseCommandLine(args);
        EXPECT_FALSE(parsed.ok());
        EXPECT_TRUE(parsed.error.contains(c.expected)) << parsed.error.toStdString();
    }
}

// What needs the program itself: the status, the hint, and no folder made.
TEST(CliCommandLine, AWrongCommandLineExitsTwoAndTouchesNothing)
{
    const QString input = touchedInput();
    const QString out = testenv::freshFolder(QStringLiteral("cli-usage-out")) + QStringLiteral("/new");
    for (const QStringList &args : {QStringList{"-f", "xyz", "-o", out, input}, QStringList{"--bogus", "-o", out, input},
                                    QStringList{"--set", "quality=10", "-o", out, input}}) {
        const CliRun run = runCli(args);
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("quavero-cli: "))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("Try 'quavero-cli --help'"))) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out)) << "a usage error must not create the output folder";
}

TEST(CliCommandLine, ValuesAreMatchedByLabelForgivingCaseSpacesRemarksAndK)
{
    struct ValueCase {
        QStringList options;
        QString option;   // the ffmpeg option whose value is checked
        QString expected; // its value
    };
    const QList<ValueCase> cases{
        {{"--set", "channels=mono"}, "-ac", "1"},
        {{"--set", "channels= STEREO "}, "-ac", "2"},
        {{"--set", "quality=0 (highest)"}, "-qscale:a", "0"},
        {{"--set", "quality=0"}, "-qscale:a", "0"},
        {{"--set", "QUALITY=9(Lowest)"}, "-qscale:a", "9"},
        {{"--set", "mode=cbr", "--set", "bitrate=128"}, "-b:a", "128k"},
        {{"--set=mode=CBR", "--set", "bitrate=320k"}, "-b:a", "320k"},
        {{"--set", "rate=48000"}, "-ar", "48000"},
        {{"-f", "m4a", "--set", "bitrate=56"}, "-ab", "56k"},
        {{"-f", "M4A", "--set", "bitrate=256k"}, "-ab", "256k"},
        {{"-f", ".flac", "--set", "compression=8 (best)"}, "-compression_level", "8"},
        {{"-f", "flac", "--set", "compression=0"}, "-compression_level", "0"},
        {{"-f", "amr", "--set", "bitrate=12.2"}, "-ab", "12.2k"},
        {{"-f", "spx", "--set", "mode=vbr", "--set", "vbr-bitrate=16"}, "-ab", "16k"},
        {{"-f", "wav", "--set", "codec=pcm 24"}, "-acodec", "pcm_s24le"},
        {{"-f", "au", "--set", "codec=ulaw"}, "-codec:a", "pcm_mulaw"},
        {{"-f", "caf", "--set", "bits=32"}, "-codec:a", "pcm_s32be"},
        {{"-f", "raw", "--set", "codec=G711 aLaw"}, "-acodec", "pcm_alaw"},
        {{"-f", "wma", "--set", "version=wma 2"}, "-codec:a", "wmav2"},
        {{"-f", "aiff", "--set", "codec=CCITT U-Law"}, "-codec:a", "pcm_mulaw"},
        {{"-f", "m4a", "--set", "codec=alac"}, "-codec:a", "alac"},
        {{"-f", "m4a", "--set", "codec=apple lossless"}, "-codec:a", "alac"},
        {{"-f", "opus"}, "-b:a", "128k"},
        {{"-f", "opus", "--set", "bitrate=64", "--set", "mode=constrained vbr"}, "-vbr", "constrained"},
        {{"-f", "opus", "--set", "application=low delay"}, "-application", "lowdelay"},
        {{"-f", "opus", "--set", "channels=mono"}, "-ac", "1"},
        // "Same as input" of an input whose samples are not known: 16 bits.
        {{"-f", "wav", "--set", "codec=same"}, "-acodec", "pcm_s16le"},
        {{"-f", "wav", "--set", "rate=same as input", "--set", "rate=44100"}, "-ar", "44100"},
    };
    for (const ValueCase &c : cases) {
        SCOPED_TRACE(c.options.join(QLatin1Char(' ')).toStdString());
        const QList<QStringList> lines = plannedWords(c.options);
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(valueAfter(lines.first(), c.option), c.expected) << lines.first().join(' ').toStdString();
    }
}

TEST(CliCommandLine, EffectValuesReachSoxAndTheLastSetWins)
{
    const QList<QStringList> lines = plannedWords({"-f", "wav", "--set", "speed=2", "--set", "speed=1.25", "--set",
                                                   "gain=-3", "--set", "bass=+4dB", "--set", "treble=0"});
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines.at(1).mid(2), (QStringList{"speed", "1.25", "gain", "-3", "bass", "4"}));

    // Effects the other settings leave out are said to be left out.
    const cli::ParsedCommandLine idle =
        cli::parseCommandLine({"-f", "ogg", "--set", "mode=CBR", "--set", "treble=5", "-o", "/out", "/in/a.wav"});
    ASSERT_TRUE(idle.ok());
    EXPECT_EQ(plannedWords({"-f", "ogg", "--set", "mode=CBR", "--set", "treble=5"}).size(), 1);
    EXPECT_EQ(cli::idleEffectsWarning(idle.request),
              "speed, gain, treble and bass apply to ogg only with mode=VBR; they are left out");
    EXPECT_EQ(cli::idleEffectsWarning(cli::parseCommandLine({"-f", "wav", "-o", "/out", "/in/a.wav"}).request), "");

    // The MP3 volume label is a level where 256 leaves the volume as it is.
    const QList<QStringList> mp3 = plannedWords({"--set", "volume=150"});
    EXPECT_EQ(valueAfter(mp3.first(), "-af"), "volume=0.585938");
    EXPECT_FALSE(plannedWords({"--set", "volume=Do not alter volume"}).first().contains("-af"));
}

TEST(CliCommandLine, HelpVersionAndFormatListing)
{
    const QString help = cli::helpText(4);
    for (const char *piece : {"Usage: quavero-cli [OPTIONS] INPUT...", "-f, --format FMT", "-o, --output-dir DIR",
                              "--set NAME=VALUE", "-j, --jobs N", "-r, --recursive", "--flat", "-n, --dry-run", "-q, --quiet",
                              "-v, --verbose", "a (2).mp3", "--list-formats", "--version", "130  stopped by Ctrl-C"})
        EXPECT_TRUE(help.contains(QLatin1String(piece))) << piece;
    for (const QString &line : help.split(QLatin1Char('\n')))
        EXPECT_LE(line.size(), 79) << line.toStdString();
    // --help wins over the rest of the line, even a line that is wrong.
    EXPECT_EQ(cli::parseCommandLine({"-f", "xyz", "-h"}).request.action, cli::Request::Action::Help);
    EXPECT_EQ(cli::parseCommandLine({"--list-formats", "--help"}).request.action, cli::Request::Action::ListFormats);
    // The program prints the same text and exits 0.
    const CliRun printed = runCli({"--help"});
    EXPECT_EQ(printed.exitCode, 0);
    EXPECT_TRUE(printed.out.startsWith(QStringLiteral("Usage: quavero-cli"))) << printed.out.toStdString();

    EXPECT_TRUE(cli::versionText().startsWith(QStringLiteral("quavero-cli 1."))) << cli::versionText().toStdString();

    // Every option of every format, with every label, default marked.
    const QStringList blocks = cli::formatListing().split(QStringLiteral("\n\n"));
    ASSERT_EQ(blocks.size(), formats::kCount);
    for (const OutputFormat &format : formats::all()) {
        const QString block = QString(blocks.at(format.index)).replace(QRegularExpression("\\s+"), " ") + " ";
        EXPECT_TRUE(block.startsWith(format.item.mid(1).toLower() + " (" + format.item + ")")) << block.toStdString();
        for (const OptionField &field : options::fieldsOf(format.record)) {
            EXPECT_TRUE(block.contains(" " + field.name + "= ")) << block.toStdString();
            for (const QString &label : field.choices ? field.choices->labels() : QStringList())
                EXPECT_TRUE(block.contains(" " + label + ",") || block.contains(" " + label + "*") ||
                            block.contains(" " + label + " "))
                    << format.item.toStdString() << " " << label.toStdString();
        }
    }
    EXPECT_TRUE(blocks.at(8).contains(QStringLiteral("0 (Highest), 1, 2, 3, 4*,"))) << blocks.at(8).toStdString();
    EXPECT_TRUE(blocks.at(0).contains(QStringLiteral("no options")));
    // The command line's defaults keep the input's rate, channels and sample size.
    const QString wav = QString(blocks.at(12)).replace(QRegularExpression("\\s+"), " ");
    EXPECT_TRUE(wav.contains(QStringLiteral("codec= PCM 8, PCM 16, PCM 24, PCM 32, Same as input*"))) << wav.toStdString();
    EXPECT_TRUE(wav.contains(QStringLiteral("channels= Mono, Stereo, Same as input*"))) << wav.toStdString();
    EXPECT_TRUE(blocks.at(15).contains(QStringLiteral("128*"))) << blocks.at(15).toStdString();
}

} // namespace quavero
