// SPDX-License-Identifier: GPL-3.0-or-later
// --dry-run prints exactly the programs and argument vectors a run starts:
// quavero-cli runs with stand-ins for ffmpeg and sox that write down every
// argument vector they are started with before they hand over to the real
// programs, and the words of the dry run's lines are compared with them.
#include "CliRunner.h"
#include "TestApp.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace quavero {

using namespace clitest;

namespace {
// A copy of quavero-cli whose resources/ folder holds the stand-ins: each
// appends its argument count, its path and its arguments, NUL-separated, to
// the log, then runs the real program.
class StandIns {
public:
    explicit StandIns(const QString &folder) : m_bin(folder + "/bin"), m_log(folder + "/started.log")
    {
        QDir().mkpath(m_bin + "/resources");
        QFile::copy(cliPath(), m_bin + "/quavero-cli");
        for (const QString &name : {QStringLiteral("ffmpeg"), QStringLiteral("sox")}) {
            const QString path = m_bin + "/resources/" + name;
            QFile script(path);
            script.open(QIODevice::WriteOnly);
            script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\0' \"$#\" \"$0\" \"$@\" >> '%1'\nexec '%2' \"$@\"\n")
                             .arg(m_log, name == "ffmpeg" ? testenv::ffmpeg() : testenv::sox())
                             .toUtf8());
            script.close();
            script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        }
    }

    CliRun run(const QStringList &arguments, const QString &tmpDir) const
    {
        QProcess process;
        prepare(process, arguments, tmpDir);
        process.setProgram(m_bin + "/quavero-cli");
        process.start();
        const bool finished = process.waitForStarted() && process.waitForFinished(120000);
        return collect(process, finished);
    }

    // Every argument vector started since the last call, program first.
    QList<QStringList> started()
    {
        QFile log(m_log);
        log.open(QIODevice::ReadOnly);
        QStringList words = QString::fromUtf8(log.readAll()).split(QChar(0));
        log.close();
        log.remove();
        QList<QStringList> vectors;
        while (words.size() > 1) {
            const int count = words.takeFirst().toInt();
            vectors << words.mid(0, count + 1);
            words = words.mid(count + 1);
        }
        return vectors;
    }

private:
    QString m_bin;
    QString m_log;
};

// A probe of the inputs' streams ("ffmpeg -i a -i b ..."), which reads them
// and writes nothing.
bool isProbe(const QStringList &vector)
{
    if (vector.size() < 3 || !vector.first().endsWith("/ffmpeg") || vector.size() % 2 == 0)
        return false;
    for (int i = 1; i < vector.size(); i += 2)
        if (vector.at(i) != "-i")
            return false;
    return true;
}

// The vectors that are no probe.
QList<QStringList> conversions(const QList<QStringList> &vectors)
{
    QList<QStringList> kept;
    for (const QStringList &vector : vectors)
        if (!isProbe(vector))
            kept << vector;
    return kept;
}

// A run writes through temporary names of its own, with its process id in
// them; the dry run shows the final names.
QList<QStringList> withoutTemporaryNames(QList<QStringList> vectors)
{
    static const QRegularExpression temporary(QStringLiteral("\\.quavero-part-[0-9]+-[a-z]+-[0-9a-f]{8}\\."));
    for (QStringList &words : vectors)
        words.replaceInStrings(temporary, QString());
    return vectors;
}
} // namespace

TEST(CliStartedCommands, TheDryRunPrintsExactlyWhatTheRunStarts)
{
    const QString folder = testenv::freshFolder(QStringLiteral("cli-started"));
    const QString in = folder + "/in";
    QDir().mkpath(in + "/sub dir");
    for (const QString &name :
         {QStringLiteral("a.wav"), QStringLiteral("it's \"quoted\".wav"), QStringLiteral("sub dir/a.wav")})
        ASSERT_FALSE(testenv::makeTone(in + "/" + name, 0.3).isEmpty());
    ASSERT_FALSE(testenv::makeTone(in + "/a.flac", 0.3).isEmpty());
    StandIns programs(folder);
    const QString tmp = testenv::freshFolder(QStringLiteral("cli-started-tmp"));

    // The sox route with an effect, and the ffmpeg route; subfolders kept,
    // and flat with numbered names.
    const QList<QStringList> options{{"-f", "flac", "--set", "speed=1.5", "-r"},
                                     {"-f", "mp3", "--set", "channels=mono", "-r", "--flat"}};
    for (const QStringList &option : options) {
        SCOPED_TRACE(option.join(' ').toStdString());
        const QString out = testenv::freshFolder(QStringLiteral("cli-started-out"));
        const QStringList arguments = option + QStringList{"-j", "1", "-o", out, in};
        const CliRun dry = programs.run(QStringList{"-n"} + arguments, tmp);
        ASSERT_EQ(dry.exitCode, 0) << dry.err.toStdString();
        QList<QStringList> printed;
        for (const QString &line : dry.out.split('\n', Qt::SkipEmptyParts))
            printed << shellWords(line);
        // The dry run reads the inputs' streams (their rate and channels are
        // kept) and starts nothing that writes.
        const QList<QStringList> dryStarted = programs.started();
        EXPECT_TRUE(conversions(dryStarted).isEmpty()) << "the dry run started a conversion";
        EXPECT_EQ(dryStarted.size(), 1) << "one probe for the four inputs";

        const CliRun real = programs.run(arguments, tmp);
        ASSERT_EQ(real.exitCode, 0) << real.out.toStdString() << real.err.toStdString();
        const QList<QStringList> started = conversions(programs.started());
        EXPECT_EQ(started.size(), option.contains("flac") ? 8 : 4);
        EXPECT_EQ(withoutTemporaryNames(printed), withoutTemporaryNames(started));
    }
}

} // namespace quavero

namespace quavero {

using namespace clitest;

// A run that finds every entry up to date starts no program at all: no
// duration probe, no ffmpeg, no sox.
TEST(CliStartedCommands, AnUpToDateRunStartsNoProgram)
{
    const QString folder = testenv::freshFolder(QStringLiteral("cli-uptodate"));
    QDir().mkpath(folder + "/in");
    for (const QString &name : {QStringLiteral("a.wav"), QStringLiteral("b.wav")})
        ASSERT_FALSE(testenv::makeTone(folder + "/in/" + name, 0.3).isEmpty());
    StandIns programs(folder);
    const QString out = folder + "/out";
    const QStringList arguments{"-u", "-f", "flac", "-o", out, folder + "/in"};
    ASSERT_EQ(programs.run(arguments, QString()).exitCode, 0);
    EXPECT_FALSE(programs.started().isEmpty());
    const CliRun again = programs.run(arguments, QString());
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_TRUE(again.out.contains("0 converted, 2 up to date")) << again.out.toStdString();
    EXPECT_TRUE(programs.started().isEmpty()) << "an up-to-date run started a program";
}

} // namespace quavero
