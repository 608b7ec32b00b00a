// SPDX-License-Identifier: GPL-3.0-or-later
// A starting run removes what a killed run left: only our temporary files,
// only those whose process is gone, and nothing else in the folder.
#include "QtPrinters.h"

#include "convert/core/TemporaryName.h"
#include "convert/engine/StaleTemporaries.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quavero {

namespace {
void write(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write("x");
}

} // namespace

TEST(StaleTemporariesTest, RemovesOnlyTheTemporaryFilesOfEndedRuns)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const qint64 self = QCoreApplication::applicationPid();
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    ASSERT_TRUE(ended.waitForStarted(10000));
    const qint64 gone = ended.processId();
    ASSERT_TRUE(ended.waitForFinished(10000));
    ASSERT_FALSE(staletemps::processAlive(gone));
    ASSERT_TRUE(staletemps::processAlive(self));
    ASSERT_TRUE(staletemps::processAlive(1)) << "a process of another user counts as running";

    const QString stale = tempname::pathFor(folder.filePath("a.mp3"), gone, "enc");
    const QString staleIntermediate = tempname::pathFor(folder.filePath("b.flac"), gone, "fx", ".wav");
    const QString running = tempname::pathFor(folder.filePath("c.mp3"), self, "enc");
    const QString staleFolder = tempname::pathFor(folder.filePath("d.mp3"), gone, "enc");
    const QString staleLink = tempname::pathFor(folder.filePath("e.mp3"), gone, "enc");
    const QString below = tempname::pathFor(folder.filePath("sub/f.mp3"), gone, "enc");
    for (const QString &path : {stale, staleIntermediate, running, folder.filePath("a.mp3"),
                                folder.filePath(".quavero-library.db"), folder.filePath(".quavero-part-notes.txt")})
        write(path);
    ASSERT_TRUE(QDir().mkpath(staleFolder));
    ASSERT_TRUE(QDir().mkpath(folder.filePath("sub")));
    write(below);
    ASSERT_TRUE(QFile::link(folder.filePath("a.mp3"), staleLink));

    QStringList problems;
    QStringList removed = staletemps::removeIn(folder.path(), &problems);
    removed.sort();
    QStringList expected{QFileInfo(stale).fileName(), QFileInfo(staleIntermediate).fileName()};
    expected.sort();
    EXPECT_EQ(removed, expected);
    EXPECT_TRUE(problems.isEmpty());
    for (const QString &path : {stale, staleIntermediate})
        EXPECT_FALSE(QFileInfo::exists(path)) << path.toStdString();
    for (const QString &path : {running, folder.filePath("a.mp3"), folder.filePath(".quavero-library.db"),
                                folder.filePath(".quavero-part-notes.txt"), staleFolder, below})
        EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();
    EXPECT_TRUE(QFileInfo(staleLink).isSymLink());
}

TEST(StaleTemporariesTest, TheAskedRunningProcessesAreSpared)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString mine = tempname::pathFor(folder.filePath("a.mp3"), 1234567, "enc");
    const QString theirs = tempname::pathFor(folder.filePath("b.mp3"), 7654321, "enc");
    write(mine);
    write(theirs);
    const QStringList removed = staletemps::removeIn(folder.path(), nullptr, [](qint64 pid) { return pid == 1234567; });
    EXPECT_EQ(removed, QStringList{QFileInfo(theirs).fileName()});
    EXPECT_TRUE(QFileInfo::exists(mine));
}

TEST(StaleTemporariesTest, AJobListWorkerRemovesOnlyTheTemporariesOfItsOwnOutputs)
{
    // Another machine's worker writes beside ours; its process id means
    // nothing here, so only the names of our own outputs are taken as ours.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString ours = tempname::pathFor(folder.filePath("tab\there.mp3"), 2345678, "enc");
    const QString oursIntermediate = tempname::pathFor(folder.filePath("tab\there.mp3"), 2345679, "enc", ".wav");
    const QString another = tempname::pathFor(folder.filePath("other.mp3"), 2345678, "enc");
    for (const QString &path : {ours, oursIntermediate, another})
        write(path);
    EXPECT_TRUE(tempname::isFor(QFileInfo(ours).fileName(), "tab\there.mp3"));
    EXPECT_FALSE(tempname::isFor(QFileInfo(another).fileName(), "tab\there.mp3"));
    EXPECT_FALSE(tempname::isFor("tab\there.mp3", "tab\there.mp3")) << "the final file is no temporary";

    QStringList removed = staletemps::removeIn(
        folder.path(), nullptr, [](qint64) { return false; },
        [](const QString &name) { return tempname::isFor(name, "tab\there.mp3"); });
    removed.sort();
    QStringList expected{QFileInfo(ours).fileName(), QFileInfo(oursIntermediate).fileName()};
    expected.sort();
    EXPECT_EQ(removed, expected);
    EXPECT_TRUE(QFileInfo::exists(another));
}

} // namespace quavero
