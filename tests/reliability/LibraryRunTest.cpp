// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping a converted library in step, with the real programs: a killed run
// leaves nothing under a final name and the next run completes it, a failed
// re-conversion keeps the good output from before, -u converts only what
// changed, numbered names stay with their inputs, orphans go while a user's
// own file stays, and two runs at once leave whole outputs and one record.
#include "EntryFromPath.h"
#include "QtPrinters.h"
#include "ReliabilitySupport.h"
#include "TestApp.h"

#include "mirror/core/RecordTable.h"
#include "mirror/engine/LibraryRecord.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

#include <csignal>

namespace quavero {

using namespace reliability;

namespace {
QByteArray contentsHash(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1)
                                          : QByteArray();
}

// Everything in a folder, hidden files included, as relative paths.
QStringList everythingIn(const QString &folder)
{
    QStringList names;
    const QDir root(folder);
    const QFileInfoList infos = root.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &info : infos) {
        if (info.isDir() && !info.isSymLink())
            for (const QString &inner : everythingIn(info.filePath()))
                names << info.fileName() + "/" + inner;
        else
            names << info.fileName();
    }
    return names;
}

QStringList temporariesIn(const QString &folder) { return everythingIn(folder).filter(".quavero-part-"); }

// Moves a file's modification time on, as an edit would.
void touchLater(const QString &path, int seconds)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QFileInfo(path).lastModified().addSecs(seconds), QFileDevice::FileModificationTime));
}

QDateTime modifiedAt(const QString &path) { return QFileInfo(path).lastModified(); }

class LibraryRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        in = testenv::freshFolder(QStringLiteral("library-in"));
        out = testenv::freshFolder(QStringLiteral("library-out"));
    }
    QString tone(const QString &name, double seconds = 0.5)
    {
        QDir().mkpath(QFileInfo(in + "/" + name).path());
        return testenv::makeTone(in + "/" + name, seconds);
    }
    ProgramRun convert(const QStringList &options) { return runCli(options + QStringList{"-o", out, in}, {}, 120000); }
    QString in, out;
};
} // namespace

TEST_F(LibraryRun, AKilledRunLeavesNothingUnderTheFinalNameAndTheNextRunCompletesIt)
{
    const QString input = makeFlac(in + "/long.flac", 300.0);
    ASSERT_FALSE(input.isEmpty());
    QProcess process;
    process.setProcessEnvironment(environment());
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(cliPath(), {"-q", "-u", "-f", "mp3", "-o", out, input});
    QString partial;
    ASSERT_TRUE(waitFor(
        [&] {
            partial = temporaryBeingWritten(out);
            return !partial.isEmpty();
        },
        30000));
    // The terminal closed hard, or the power went.
    ASSERT_EQ(::kill(pid_t(process.processId()), SIGKILL), 0);
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_FALSE(QFileInfo::exists(out + "/long.mp3")) << "a cut-off file stands under the final name";
    ASSERT_TRUE(waitFor([&] { return processesWithArgument(partial).isEmpty(); }, 10000));
    LibraryRecord record(out);
    EXPECT_EQ(record.open(false), RecordState::Open) << record.problem().toStdString();

    const ProgramRun again = runCli({"-u", "-f", "mp3", "-o", out, input}, {}, 120000);
    EXPECT_EQ(again.exitCode, 0) << again.out.toStdString();
    EXPECT_NEAR(testenv::probeDuration(out + "/long.mp3"), 300.0, 0.5);
    EXPECT_TRUE(temporariesIn(out).isEmpty())
        << "the killed run's file is left: " << temporariesIn(out).join(' ').toStdString();
}

TEST_F(LibraryRun, AFailedReconversionKeepsTheGoodOutputFromBefore)
{
    const QString song = tone("song.wav");
    // Straight from ffmpeg (.MP3) and through sox (.FLAC).
    for (const QString &format : {QStringLiteral("mp3"), QStringLiteral("flac")}) {
        SCOPED_TRACE(format.toStdString());
        ASSERT_EQ(convert({"-f", format}).exitCode, 0);
        const QString output = out + "/song." + format;
        const QByteArray before = contentsHash(output);
        ASSERT_FALSE(before.isEmpty());

        const QByteArray audio = [&] {
            QFile f(song);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        QFile damaged(song);
        ASSERT_TRUE(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("this is no longer audio at all");
        damaged.close();
        const ProgramRun run = convert({"-f", format});
        EXPECT_EQ(run.exitCode, 1) << run.out.toStdString();
        EXPECT_EQ(contentsHash(output), before) << "the old output was touched";
        EXPECT_TRUE(temporariesIn(out).isEmpty());

        QFile mended(song);
        ASSERT_TRUE(mended.open(QIODevice::WriteOnly | QIODevice::Truncate));
        mended.write(audio);
    }
}

TEST_F(LibraryRun, UpdateConvertsOnlyWhatChanged)
{
    for (const char *name : {"a.wav", "b.wav", "c.wav"})
        ASSERT_FALSE(tone(name).isEmpty());
    ProgramRun run = convert({"-u"});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("3 converted, 0 failed")) << run.out.toStdString();
    EXPECT_TRUE(QFileInfo::exists(out + "/.quavero-library.db"));
    const QDateTime a = modifiedAt(out + "/a.mp3");

    run = convert({"-u"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains("0 converted, 3 up to date, 0 failed\n")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("Everything is up to date.")) << run.out.toStdString();
    EXPECT_EQ(modifiedAt(out + "/a.mp3"), a);

    touchLater(in + "/b.wav", 10);
    run = convert({"-u"});
    EXPECT_TRUE(run.out.contains("1 converted, 2 up to date, 0 failed")) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("b.mp3")) << run.out.toStdString();
    EXPECT_EQ(modifiedAt(out + "/a.mp3"), a);

    // Another option: every output was made otherwise.
    run = convert({"-u", "--set", "quality=2"});
    EXPECT_TRUE(run.out.contains("3 converted, 0 failed")) << run.out.toStdString();

    // Without a record, an output newer than its input is kept.
    ASSERT_TRUE(QFile::remove(out + "/.quavero-library.db"));
    for (const char *name : {"a.mp3", "b.mp3", "c.mp3"})
        touchLater(out + "/" + name, 60);
    run = convert({"-u", "--set", "quality=2"});
    EXPECT_TRUE(run.out.contains("0 converted, 3 up to date")) << run.out.toStdString();
}

TEST_F(LibraryRun, NumberedNamesStayWithTheirInputsOverRuns)
{
    const QString first = tone("A/01 Intro.wav", 1.0);
    const QString second = tone("B/01 Intro.wav", 2.0);
    const auto names = [&] {
        QMap<int, QString> byLength;
        for (const QString &name : QDir(out).entryList({"*.mp3"}, QDir::Files))
            byLength[qRound(testenv::probeDuration(out + "/" + name))] = name;
        return byLength;
    };
    ProgramRun run = runCli({"-u", "--flat", "-o", out, first, second});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString();
    const QMap<int, QString> before = names();
    EXPECT_EQ(before.value(1), "01 Intro.mp3");
    EXPECT_EQ(before.value(2), "01 Intro (2).mp3");

    // The other order, and the second input changed: it is converted into
    // the name it had, never swapped with the first.
    touchLater(second, 10);
    run = runCli({"-u", "--flat", "-o", out, second, first});
    EXPECT_TRUE(run.out.contains("1 converted, 1 up to date")) << run.out.toStdString();
    EXPECT_EQ(names(), before);
    EXPECT_EQ(QDir(out).entryList({"*.mp3"}, QDir::Files).size(), 2);
}

TEST_F(LibraryRun, OrphansGoWhileAUsersFileAndAnEditedOutputStay)
{
    for (const char *name : {"a.wav", "b.wav", "c.wav"})
        ASSERT_FALSE(tone(name).isEmpty());
    ASSERT_EQ(convert({"-u"}).exitCode, 0);
    QFile mine(out + "/mine.mp3");
    ASSERT_TRUE(mine.open(QIODevice::WriteOnly));
    mine.write("the user's own file");
    mine.close();
    QFile edited(out + "/c.mp3");
    ASSERT_TRUE(edited.open(QIODevice::Append));
    edited.write("edited by hand");
    edited.close();
    // A record row from elsewhere that leads out of the destination.
    const QString outside = QFileInfo(out).path() + "/outside.mp3";
    QFile outsideFile(outside);
    ASSERT_TRUE(outsideFile.open(QIODevice::WriteOnly));
    outsideFile.write("not the program's");
    outsideFile.close();
    {
        LibraryRecord record(out);
        ASSERT_EQ(record.open(false), RecordState::Open);
        RecordRow row;
        row.output = "../outside.mp3";
        row.input = "/gone/away.wav";
        row.fingerprint = "made elsewhere";
        row.outputStamp = {QFileInfo(outside).size(), 0};
        ASSERT_TRUE(record.note(row));
    }
    ASSERT_TRUE(QFile::remove(in + "/b.wav"));
    ASSERT_TRUE(QFile::remove(in + "/c.wav"));

    const ProgramRun dry = convert({"-u", "--delete-orphans", "-n"});
    EXPECT_TRUE(dry.out.contains("# remove " + QDir::current().relativeFilePath(out + "/b.mp3")) ||
                dry.out.contains("# remove " + out + "/b.mp3"))
        << dry.out.toStdString();
    EXPECT_TRUE(QFileInfo::exists(out + "/b.mp3")) << "the dry run removed something";

    const ProgramRun run = convert({"-u", "--delete-orphans"});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("0 converted, 1 up to date, 1 removed, 0 failed")) << run.out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(out + "/b.mp3"));
    EXPECT_TRUE(QFileInfo::exists(out + "/c.mp3")) << "an edited output is kept";
    EXPECT_TRUE(run.out.contains("c.mp3 was kept")) << run.out.toStdString();
    EXPECT_TRUE(QFileInfo::exists(out + "/mine.mp3"));
    EXPECT_TRUE(QFileInfo::exists(outside));
    EXPECT_TRUE(run.out.contains("../outside.mp3")) << run.out.toStdString();
    EXPECT_TRUE(QFileInfo::exists(in + "/a.wav"));
}

TEST_F(LibraryRun, TwoRunsAtOnceLeaveWholeOutputsNoDuplicatesAndOneRecord)
{
    QStringList inputs;
    for (const char *name : {"A/x.wav", "B/x.wav", "C/x.wav", "d.wav", "e.wav", "f.wav"})
        inputs << tone(name, 3.0);
    const QStringList arguments{"-q", "-u", "-r", "--flat", "-j", "1", "-o", out, in};
    QProcess first;
    QProcess second;
    for (QProcess *process : {&first, &second}) {
        process->setProcessEnvironment(environment());
        process->setStandardInputFile(QProcess::nullDevice());
    }
    // The second starts once the first has published an output, so that it
    // plans while the first goes on writing.
    first.start(cliPath(), arguments);
    ASSERT_TRUE(waitFor([&] { return !QDir(out).entryList({"*.mp3"}, QDir::Files).isEmpty(); }, 60000));
    second.start(cliPath(), arguments);
    ASSERT_TRUE(first.waitForFinished(120000));
    ASSERT_TRUE(second.waitForFinished(120000));
    EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();

    EXPECT_EQ(QDir(out).entryList({"*.mp3"}, QDir::Files),
              (QStringList{"d.mp3", "e.mp3", "f.mp3", "x (2).mp3", "x (3).mp3", "x.mp3"}));
    for (const QString &name : QDir(out).entryList({"*.mp3"}, QDir::Files))
        EXPECT_NEAR(testenv::probeDuration(out + "/" + name), 3.0, 0.1) << name.toStdString();
    EXPECT_TRUE(temporariesIn(out).isEmpty());
    LibraryRecord record(out);
    ASSERT_EQ(record.open(false), RecordState::Open);
    EXPECT_EQ(record.readAll().size(), 6);
    // And a third run finds everything up to date.
    EXPECT_TRUE(runCli(arguments.mid(1)).out.contains("0 converted, 6 up to date"));
}

TEST_F(LibraryRun, InputsAlreadyInTheOutputFormatAreCopiedByteForByte)
{
    const QString wav = tone("a.wav", 1.0);
    const QString mp3 = in + "/b.mp3";
    const QString opusInOgg = in + "/c.ogg";
    ASSERT_EQ(QProcess::execute(testenv::ffmpeg(), {"-v", "error", "-i", wav, "-c:a", "libmp3lame", mp3}), 0);
    ASSERT_EQ(QProcess::execute(testenv::ffmpeg(), {"-v", "error", "-i", wav, "-c:a", "libopus", opusInOgg}), 0);
    const QStringList mp3Options{"-f", "mp3", "--set", "rate=44100", "--set", "channels=stereo"};

    ProgramRun run = convert(QStringList{"--copy-same-format"} + mp3Options);
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("2 converted, 1 copied, 0 failed")) << run.out.toStdString();
    EXPECT_EQ(contentsHash(out + "/b.mp3"), contentsHash(mp3)) << "the MP3 was encoded again";

    // The volume is an effect: the file is converted.
    run = convert(QStringList{"--copy-same-format", "--set", "volume=150"} + mp3Options);
    EXPECT_TRUE(run.out.contains("3 converted, 0 failed")) << run.out.toStdString();
    EXPECT_NE(contentsHash(out + "/b.mp3"), contentsHash(mp3));

    // An .ogg that holds Opus is no Ogg Vorbis file: converted, not copied.
    run = convert({"--copy-same-format", "-f", "ogg"});
    EXPECT_TRUE(run.out.contains("3 converted, 0 failed")) << run.out.toStdString();
    EXPECT_EQ(testenv::probe(out + "/c.ogg", "codec_name"), "vorbis");

    // With -u, the copy is up to date on the next run, and no program runs for it.
    run = convert(QStringList{"-u", "--copy-same-format"} + mp3Options);
    run = convert(QStringList{"-u", "--copy-same-format"} + mp3Options);
    EXPECT_TRUE(run.out.contains("0 converted, 3 up to date")) << run.out.toStdString();
}

} // namespace quavero
