// SPDX-License-Identifier: GPL-3.0-or-later
// Inputs that are not plain files with plain names: a FIFO (which would block
// ffmpeg for ever), a link loop, a name in Latin-1, a folder named like an
// audio file. None is opened; none is skipped without a word.
#include "AddWaits.h"
#include "EntryFromPath.h"
#include "QtPrinters.h"
#include "ReliabilitySupport.h"
#include "TestApp.h"

#include "PlanFor.h"
#include "convert/engine/ConversionJob.h"
#include "filelist/engine/DurationProbe.h"
#include "platform/core/BundledPrograms.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace quavero {

using namespace reliability;

namespace {
QString makeFifo(const QString &path)
{
    ::unlink(QFile::encodeName(path).constData());
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0 ? path : QString();
}

// A file whose name is "café.mp3" with the é in Latin-1 (byte 0xE9): not
// UTF-8. Made from the bytes, since no QString names it.
bool makeLatin1File(const QString &folder, const QString &source)
{
    const QByteArray path = QFile::encodeName(folder) + "/caf\xe9.mp3";
    QFile::remove(QFile::decodeName(path));
    return ::link(QFile::encodeName(source).constData(), path.constData()) == 0;
}
} // namespace

TEST(InputKinds, TheCommandLineNeverOpensAFifoAndSaysWhy)
{
    const QString in = testenv::freshFolder(QStringLiteral("fifo-in"));
    const QString out = testenv::freshFolder(QStringLiteral("fifo-out"));
    const QString fifo = makeFifo(in + QStringLiteral("/y.wav"));
    ASSERT_FALSE(fifo.isEmpty());
    ASSERT_FALSE(testenv::makeTone(in + QStringLiteral("/ok.wav"), 0.5).isEmpty());
    for (const QString &input : {fifo, in}) {
        SCOPED_TRACE(input.toStdString());
        // Bounded: before, the probe of the FIFO waited for a writer for ever.
        const ProgramRun run = runCli({QStringLiteral("-o"), out, input}, QString(), 30000);
        ASSERT_TRUE(run.finished) << "quavero-cli hung on the FIFO";
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.contains(QStringLiteral("y.wav: not a regular file"))) << run.out.toStdString();
    }
    EXPECT_TRUE(QFileInfo::exists(out + QStringLiteral("/ok.mp3"))) << "the folder's plain file is converted";
    EXPECT_TRUE(processesWithArgument(fifo).isEmpty()) << "no child was left on the FIFO";
}

TEST(InputKinds, TheProbeAndTheJobLeaveAFifoAlone)
{
    const QString in = testenv::freshFolder(QStringLiteral("fifo-job"));
    const QString fifo = makeFifo(in + QStringLiteral("/y.flac"));
    ASSERT_FALSE(fifo.isEmpty());
    EXPECT_EQ(filelist::probeDurationText(bundled::programPath(QStringLiteral("ffmpeg")), fifo), QString());

    const ConversionResult result =
        testentries::runPlan(testentries::planFor(8, testentries::entryFor(fifo),
                                                  testenv::freshFolder(QStringLiteral("fifo-job-out")), startRecords()),
                             10000);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, QStringLiteral("not a regular file"));
}

TEST(InputKinds, ALinkLoopIsNamedForWhatItIs)
{
    const QString in = testenv::freshFolder(QStringLiteral("loop-in"));
    const QString out = testenv::freshFolder(QStringLiteral("loop-out"));
    const QByteArray a = QFile::encodeName(in + QStringLiteral("/a.mp3"));
    const QByteArray b = QFile::encodeName(in + QStringLiteral("/b.mp3"));
    ASSERT_EQ(::symlink(b.constData(), a.constData()), 0);
    ASSERT_EQ(::symlink(a.constData(), b.constData()), 0);
    const ProgramRun run = runCli({QStringLiteral("-o"), out, QFile::decodeName(a)});
    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.contains(QStringLiteral("a.mp3: too many levels of symbolic links"))) << run.out.toStdString();
}

TEST(InputKinds, ALatin1NameIsAFailureNotASilentSkip)
{
    const QString in = testenv::freshFolder(QStringLiteral("latin1-in"));
    const QString out = testenv::freshFolder(QStringLiteral("latin1-out"));
    const QString tone = testenv::makeTone(in + QStringLiteral("/plain.mp3"), 0.5);
    ASSERT_FALSE(tone.isEmpty());
    ASSERT_TRUE(makeLatin1File(in, tone));

    // Named on the command line (the shell passes the bytes as they are) and
    // met in a folder.
    const QProcessEnvironment env = environment();
    for (const QString &line : {QStringLiteral("exec '%1' -o '%2' \"%3/$(printf 'caf\\351.mp3')\"").arg(cliPath(), out, in),
                                QStringLiteral("exec '%1' -o '%2' '%3'").arg(cliPath(), out, in)}) {
        SCOPED_TRACE(line.toStdString());
        const ProgramRun run = runShell(line, env);
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, 1) << run.out.toStdString() << run.err.toStdString();
        EXPECT_TRUE(run.out.contains(QStringLiteral(".mp3: the name is not valid UTF-8; rename the file")))
            << run.out.toStdString() << run.err.toStdString();
    }
    EXPECT_TRUE(QFileInfo::exists(out + QStringLiteral("/plain.mp3")));
}

TEST(InputKinds, TheWindowsAddTakesRegularFilesAndNamesTheOthers)
{
    testenv::resetHome();
    TestApp t;
    ASSERT_TRUE(t.start());
    const QString in = testenv::freshFolder(QStringLiteral("window-add"));
    const QString tone = testenv::makeTone(in + QStringLiteral("/plain.mp3"), 0.5);
    ASSERT_FALSE(tone.isEmpty());
    ASSERT_TRUE(makeLatin1File(in, tone));
    ASSERT_FALSE(makeFifo(in + QStringLiteral("/y.wav")).isEmpty());
    ASSERT_TRUE(QDir().mkpath(in + QStringLiteral("/x.mp3")));

    t.prompts.addFolderAnswers.enqueue(in);
    ASSERT_TRUE(testenv::addAndWait(*t.app, [&t] { t.app->OnUserToolbarAddFolder(); }));
    ASSERT_TRUE(waitFor([&t] { return !t.prompts.alerts.isEmpty(); }, 10000));

    // The FIFO is listed with no duration, never opened; the folder x.mp3 is
    // not listed at all.
    const QList<NodeVideoFile> listed = t.app->arrayVideoFiles.snapshot();
    ASSERT_EQ(listed.size(), 2) << "the regular file and the FIFO are listed, not the folder x.mp3";
    for (const NodeVideoFile &entry : listed) {
        if (entry.s_File_Path() != tone) {
            EXPECT_EQ(entry.s_File_Path(), in + QStringLiteral("/y.wav"));
            EXPECT_EQ(entry.s_Duration(), QString());
        }
    }
    const ShownAlert &alert = t.prompts.alerts[0];
    EXPECT_EQ(alert.message, QStringLiteral("Some files were not added."));
    EXPECT_FALSE(alert.informative.contains(QStringLiteral("y.wav")));
    EXPECT_TRUE(alert.informative.contains(QStringLiteral(".mp3: the name is not valid UTF-8; rename the file")))
        << alert.informative.toStdString();
    EXPECT_FALSE(alert.informative.contains(QStringLiteral("x.mp3")));
}

} // namespace quavero
