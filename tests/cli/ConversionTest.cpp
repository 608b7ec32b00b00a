// SPDX-License-Identifier: GPL-3.0-or-later
// Real conversions with ffmpeg and sox through the built quavero-cli.
#include "CliRunner.h"
#include "TestApp.h"
#include "platform/core/ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

namespace quavero {

using namespace clitest;

namespace {
QByteArray contents(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Tones of different lengths, so that a file put in the place of another shows.
QStringList makeTones(const QString &folder, int count, double seconds = 1.0)
{
    QStringList paths;
    for (int i = 0; i < count; ++i)
        paths << testenv::makeTone(QStringLiteral("%1/tone %2.wav").arg(folder).arg(i), seconds + 0.25 * i);
    return paths;
}
} // namespace

TEST(CliConversion, TwoFormatsWithOneFailingInput)
{
    const QString in = testenv::freshFolder(QStringLiteral("cli-real-in"));
    const QString tmp = testenv::freshFolder(QStringLiteral("cli-real-tmp"));
    QStringList inputs = makeTones(in, 3, 2.0);
    QFile bad(in + QStringLiteral("/bad.wav"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("this is no audio");
    bad.close();
    inputs.insert(1, bad.fileName());
    const QByteArray firstInput = contents(inputs.first());

    struct Case {
        QStringList options;
        QString extension;
        QString codec;
        double secondsOfFirst;
    };
    for (const Case &c : {Case{{"-f", "mp3"}, ".mp3", "mp3", 2.0},
                          Case{{"-f", "wav", "--set", "speed=1.25", "--set", "codec=PCM 16"}, ".wav", "pcm_s16le", 1.6}}) {
        SCOPED_TRACE(c.extension.toStdString());
        const QString out = testenv::freshFolder(QStringLiteral("cli-real-out")) + QStringLiteral("/made/here");
        const CliRun run = runCli(c.options + QStringList{"-j", "2", "-o", out} + inputs, tmp);
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, 1) << run.out.toStdString() << run.err.toStdString();
        EXPECT_TRUE(run.out.contains(QStringLiteral("3 converted, 1 failed\n"))) << run.out.toStdString();
        EXPECT_TRUE(run.out.contains(QStringLiteral("failed: %1: not an audio file ffmpeg can read").arg(bad.fileName())))
            << run.out.toStdString();
        EXPECT_EQ(entriesOf(out), (QStringList{"tone 0" + c.extension, "tone 1" + c.extension, "tone 2" + c.extension}));
        for (const QString &name : entriesOf(out))
            EXPECT_EQ(testenv::probe(out + "/" + name, "codec_name"), c.codec) << name.toStdString();
        EXPECT_NEAR(testenv::probeDuration(out + "/tone 0" + c.extension), c.secondsOfFirst, 0.1);
        // The intermediate files went with the run's temporary folder, and the
        // desktop program's work folder was left alone.
        EXPECT_EQ(entriesOf(tmp), QStringList());
        EXPECT_FALSE(QFileInfo::exists(testenv::workFolder()));
    }
    EXPECT_EQ(contents(inputs.first()), firstInput);
}

TEST(CliConversion, ParallelJobsGiveTheSameFilesAsOneAtATime)
{
    const QString in = testenv::freshFolder(QStringLiteral("cli-parallel-in"));
    const QStringList inputs = makeTones(in, 5);
    for (const QStringList &options :
         {QStringList{"-f", "mp3"}, QStringList{"-f", "flac", "--set", "speed=1.25", "--set", "bass=3"}}) {
        SCOPED_TRACE(options.join(' ').toStdString());
        const QString one = testenv::freshFolder(QStringLiteral("cli-parallel-1"));
        const QString three = testenv::freshFolder(QStringLiteral("cli-parallel-3"));
        EXPECT_EQ(runCli(options + QStringList{"-q", "-j", "1", "-o", one} + inputs).exitCode, 0);
        EXPECT_EQ(runCli(options + QStringList{"-q", "-j", "3", "-o", three} + inputs).exitCode, 0);
        const QStringList names = entriesOf(one);
        ASSERT_EQ(names.size(), 5);
        EXPECT_EQ(entriesOf(three), names);
        for (const QString &name : names) {
            if (options.contains("mp3")) {
                // ffmpeg's MP3 encoder gives the same bytes for the same input.
                EXPECT_EQ(contents(one + "/" + name), contents(three + "/" + name)) << name.toStdString();
                continue;
            }
            // sox dithers with random noise: the samples agree to within a step or two.
            const QByteArray a = decodedSamples(one + "/" + name);
            const QByteArray b = decodedSamples(three + "/" + name);
            ASSERT_EQ(a.size(), b.size()) << name.toStdString();
            ASSERT_GT(a.size(), 1000);
            const auto *sa = reinterpret_cast<const qint16 *>(a.constData());
            const auto *sb = reinterpret_cast<const qint16 *>(b.constData());
            int worst = 0;
            for (int i = 0; i < a.size() / 2; ++i)
                worst = qMax(worst, qAbs(int(sa[i]) - int(sb[i])));
            EXPECT_LE(worst, 4) << name.toStdString();
        }
    }
}

TEST(CliConversion, InputsSharingAnOutputNameGetNumberedNames)
{
    const QString in = testenv::freshFolder(QStringLiteral("cli-same-in"));
    const QStringList inputs{testenv::makeTone(in + "/a.wav", 1.0), testenv::makeTone(in + "/a.flac", 2.0),
                             testenv::makeTone(in + "/b.wav", 1.0), testenv::makeTone(in + "/a.ogg", 3.0)};
    for (const char *jobs : {"4", "2", "1"}) {
        SCOPED_TRACE(jobs);
        const QString out = testenv::freshFolder(QStringLiteral("cli-same-out"));
        // Left from an earlier run: "a.mp3" is replaced, "a (2).mp3" is skipped.
        const QString old = testenv::makeTone(out + "/a (2).mp3", 0.5);
        const CliRun run = runCli({"-j", jobs, "-o", out, inputs.at(0), inputs.at(1), inputs.at(2), inputs.at(3)});
        EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
        EXPECT_TRUE(run.out.contains("4 converted, 0 failed")) << run.out.toStdString();
        EXPECT_EQ(entriesOf(out), (QStringList{"a (2).mp3", "a (3).mp3", "a (4).mp3", "a.mp3", "b.mp3"}));
        EXPECT_NEAR(testenv::probeDuration(out + "/a.mp3"), 1.0, 0.1);
        EXPECT_NEAR(testenv::probeDuration(out + "/a (2).mp3"), 0.5, 0.1);
        EXPECT_NEAR(testenv::probeDuration(out + "/a (3).mp3"), 2.0, 0.1);
        EXPECT_NEAR(testenv::probeDuration(out + "/a (4).mp3"), 3.0, 0.1);
        EXPECT_TRUE(run.out.contains(QStringLiteral("renamed: %1: saved as %2/a (3).mp3\n").arg(inputs.at(1), out)))
            << run.out.toStdString();
        EXPECT_TRUE(run.out.contains(QStringLiteral("renamed: %1: saved as %2/a (4).mp3\n").arg(inputs.at(3), out)))
            << run.out.toStdString();
        EXPECT_FALSE(run.out.contains("renamed: " + inputs.at(0)));
    }
}

// Three "01 Intro.flac" from album folders: with -r each stays in its album
// folder below -o; with --flat they are numbered.
TEST(CliConversion, RecursiveKeepsTheFoldersAndFlatNumbers)
{
    const QString music = testenv::freshFolder(QStringLiteral("cli-albums"));
    for (const char *album : {"Album A", "Album B", "Album C/CD 1"})
        testenv::makeTone(music + "/" + album + "/01 Intro.flac", 0.3);
    const QString kept = testenv::freshFolder(QStringLiteral("cli-albums-kept"));
    CliRun run = runCli({"-r", "-o", kept, music});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    for (const char *path : {"Album A/01 Intro.mp3", "Album B/01 Intro.mp3", "Album C/CD 1/01 Intro.mp3"})
        EXPECT_GT(QFileInfo(kept + "/" + path).size(), 0) << path;
    EXPECT_EQ(entriesOf(kept), (QStringList{"Album A", "Album B", "Album C"}));
    EXPECT_FALSE(run.out.contains("renamed")) << run.out.toStdString();

    const QString flat = testenv::freshFolder(QStringLiteral("cli-albums-flat"));
    run = runCli({"-r", "--flat", "-j", "3", "-o", flat, music});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    EXPECT_EQ(entriesOf(flat), (QStringList{"01 Intro (2).mp3", "01 Intro (3).mp3", "01 Intro.mp3"}));
    EXPECT_EQ(run.out.count("renamed: "), 2) << run.out.toStdString();
}

// -v shows, for each failure, what ran and what it said.
TEST(CliConversion, VerboseShowsTheCommandsAndOutputOfEachFailure)
{
    const QString in = testenv::freshFolder(QStringLiteral("cli-verbose-in"));
    const QString out = testenv::freshFolder(QStringLiteral("cli-verbose-out"));
    const QString good = testenv::makeTone(in + "/good.wav", 0.3);
    QFile notes(in + "/notes.mp3");
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("These are my notes, not music.\n");
    notes.close();

    const CliRun plain = runCli({"-o", out, good, notes.fileName()});
    EXPECT_EQ(plain.exitCode, 1);
    EXPECT_TRUE(plain.out.contains(QStringLiteral("failed: %1: not an audio file ffmpeg can read; check that the "
                                                  "file is complete and really holds audio\n")
                                       .arg(notes.fileName())))
        << plain.out.toStdString();
    EXPECT_FALSE(plain.out.contains("Command:"));

    const CliRun verbose = runCli({"-v", "-o", out, good, notes.fileName()});
    EXPECT_EQ(verbose.exitCode, 1);
    const QString text = verbose.out;
    const int details = int(text.indexOf("\n" + notes.fileName() + "\nReason: not an audio file ffmpeg can read"));
    ASSERT_GE(details, 0) << text.toStdString();
    const QString block = text.mid(details);
    EXPECT_TRUE(block.contains("Message: file://" + notes.fileName() + ": Invalid argument")) << text.toStdString();
    EXPECT_TRUE(block.contains("Command:\n    ")) << text.toStdString();
    EXPECT_TRUE(block.contains("Last lines of its output:\n")) << text.toStdString();
    // The command is the one --dry-run prints for the same file.
    const CliRun dry = runCli({"-n", "-o", out, notes.fileName()});
    const QString ffmpegLine = dry.out.split('\n').first();
    ASSERT_FALSE(ffmpegLine.isEmpty());
    EXPECT_TRUE(block.contains("    " + ffmpegLine + "\n")) << text.toStdString() << "\n" << ffmpegLine.toStdString();
    // The file that was converted has no details.
    EXPECT_FALSE(text.contains("\n" + good + "\nReason"));
}

TEST(CliConversion, AnInputIsNeverReplacedAndAnUnusableFolderIsSaid)
{
    const QString folder = testenv::freshFolder(QStringLiteral("cli-own-output"));
    const QString input = testenv::makeTone(folder + "/a.wav");
    const QByteArray before = contents(input);
    const CliRun run = runCli({"-f", "wav", "-o", folder, input});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains("0 converted, 1 failed")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("a.wav: the output would replace an input file")) << run.out.toStdString();
    EXPECT_EQ(contents(input), before);

    // Nothing to start at all: the run still ends, and says why.
    const CliRun missing = runCli({"-o", folder, folder + "/gone.wav"});
    ASSERT_TRUE(missing.finished);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.contains("gone.wav: no such file")) << missing.out.toStdString();

    const CliRun blocked = runCli({"-o", input + "/out", input});
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_TRUE(blocked.err.contains("cannot create the output folder")) << blocked.err.toStdString();
    EXPECT_EQ(contents(input), before);
}

// Ctrl-C in a terminal reaches the whole process group: quavero-cli and the
// ffmpeg it runs. What is left must be complete files only.
TEST(CliConversion, CtrlCEndsTheRunCleanly)
{
    const QString in = testenv::freshFolder(QStringLiteral("cli-stop-in"));
    const QString out = testenv::freshFolder(QStringLiteral("cli-stop-out"));
    const QString tmp = testenv::freshFolder(QStringLiteral("cli-stop-tmp"));
    // Enough files that the run cannot end on its own while the signal is
    // on its way, even on a loaded machine.
    constexpr int kFiles = 16;
    QStringList inputs;
    for (int i = 0; i < kFiles; ++i)
        inputs << testenv::makeTone(QStringLiteral("%1/long %2.wav").arg(in).arg(i), 60.0);

    QProcess process;
    prepare(process, QStringList{"-j", "2", "-f", "flac", "--set", "gain=-2", "-o", out} + inputs, tmp);
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
    process.start();
    ASSERT_TRUE(process.waitForStarted());
    QByteArray seen;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            seen += process.readAllStandardOutput();
            return seen.contains(QByteArray("[ 1/") + QByteArray::number(kFiles) + "]");
        },
        60000))
        << seen.toStdString();
    ::kill(-pid_t(process.processId()), SIGINT);
    // A run that had already ended is caught by the checks below, with its output.
    const bool finished = process.state() == QProcess::NotRunning || process.waitForFinished(30000);
    CliRun run = collect(process, finished);
    run.out.prepend(QString::fromUtf8(seen));

    ASSERT_TRUE(run.finished) << run.out.toStdString() << run.err.toStdString();
    EXPECT_EQ(run.exitCode, 130) << run.out.toStdString() << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("not converted (stopped by Ctrl-C)")) << run.out.toStdString();
    const QStringList left = entriesOf(out);
    EXPECT_LT(left.size(), kFiles);
    EXPECT_TRUE(run.out.contains(QStringLiteral("%1 converted, 0 failed").arg(left.size()))) << run.out.toStdString();
    for (const QString &name : left)
        EXPECT_NEAR(testenv::probeDuration(out + "/" + name), 60.0, 0.1) << name.toStdString();
    EXPECT_EQ(entriesOf(tmp), QStringList());
}

TEST(CliConversion, AMissingProgramIsNamedWithItsPackage)
{
    // A copy of the program with no resources folder beside it finds its
    // programs on the PATH alone.
    const QString bin = testenv::freshFolder(QStringLiteral("cli-lonely"));
    ASSERT_TRUE(QFile::copy(cliPath(), bin + "/quavero-cli"));
    QFile::setPermissions(bin + "/quavero-cli", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString onlyFfmpeg = testenv::freshFolder(QStringLiteral("cli-only-ffmpeg"));
    ASSERT_TRUE(QFile::link(testenv::ffmpeg(), onlyFfmpeg + "/ffmpeg"));
    const QString input = testenv::makeTone(testenv::freshFolder(QStringLiteral("cli-lonely-in")) + "/a.wav");
    const QString out = testenv::freshFolder(QStringLiteral("cli-lonely-out"));

    struct Case {
        QString path;
        QString format;
        QString said;
    };
    for (const Case &c : {Case{bin, "mp3", "\"ffmpeg\" cannot be run"}, Case{onlyFfmpeg, "wav", "\"sox\" cannot be run"}}) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("PATH", c.path);
        process.setProcessEnvironment(env);
        process.start(bin + "/quavero-cli", {"-f", c.format, "-o", out, input});
        ASSERT_TRUE(process.waitForFinished(60000));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_EQ(process.exitCode(), 1);
        EXPECT_TRUE(err.contains(c.said)) << err.toStdString();
        EXPECT_TRUE(err.contains("Install the Debian package")) << err.toStdString();
        EXPECT_EQ(entriesOf(out), QStringList());
    }
}

// On a terminal each running file shows its percentage, computed from the
// duration probe and ffmpeg's "time=" lines. `script` gives the program a
// terminal of its own.
TEST(CliConversion, ATerminalShowsPercentagesOfTheRunningFiles)
{
    const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
    if (script.isEmpty())
        GTEST_SKIP() << "needs script(1) from util-linux";
    const QString in = testenv::freshFolder(QStringLiteral("cli-tty-in"));
    const QString out = testenv::freshFolder(QStringLiteral("cli-tty-out"));
    // Long enough that ffmpeg reports its progress (twice a second) before a
    // file is done, also on a quick machine.
    for (int i = 0; i < 3; ++i)
        testenv::makeTone(QStringLiteral("%1/long %2.wav").arg(in).arg(i), 300.0);
    const QString command = QStringLiteral("TERM=xterm '%1' -j 2 -o '%2' '%3'").arg(cliPath(), out, in);
    const JoinedRun run = child::runJoined(script, {"-qec", command, "/dev/null"});
    const QString screen = QString::fromUtf8(run.output);

    EXPECT_EQ(run.exitCode, 0) << screen.toStdString();
    EXPECT_TRUE(screen.contains("3 converted, 0 failed")) << screen.toStdString();
    const QRegularExpression reading(QStringLiteral("\\s(\\d+)%  [^\\n]*long \\d\\.wav"));
    int highest = 0;
    for (auto it = reading.globalMatch(screen); it.hasNext();)
        highest = qMax(highest, it.next().captured(1).toInt());
    EXPECT_GT(highest, 0) << screen.toStdString();
    EXPECT_LE(highest, 100);
    // The live block is gone before the summary.
    EXPECT_TRUE(screen.section("3 converted", 0, 0).endsWith("\x1b[J")) << screen.toStdString();
}

} // namespace quavero
