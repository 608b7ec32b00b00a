// SPDX-License-Identifier: GPL-3.0-or-later
// The walk of Add Folder and Subfolders over a real folder tree: natural order
// per folder, files before subfolders, the accepted names only, links to
// folders left alone (so a link cycle ends), and each entry's relative folder.
#include "filelist/engine/FolderTree.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quavero {

namespace {
void touch(const QString &file)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
}

void symlinkTo(const QString &target, const QString &link)
{
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(link).constData()), 0);
}

QStringList relativePaths(const QList<NodeVideoFile> &entries, const QString &top)
{
    QStringList out;
    for (const NodeVideoFile &entry : entries)
        out << QDir(top).relativeFilePath(entry.s_File_Path());
    return out;
}
} // namespace

TEST(FolderTree, NaturalOrderPerFolderFilesFirstAndRelativeFolders)
{
    QTemporaryDir dir;
    const QString top = dir.path() + "/Artist";
    for (const char *name :
         {"Track 10.mp3", "track 9.mp3", "intro.flac", "b.WAV", "notes.txt", ".hidden.ogg", "Disc 10/a.mp3",
          "Disc 2/Live/z.wav", "Disc 2/Live/Y.wav", "Disc 2/b.mp3", "x.mp3/inside.mp3", "empty/readme.txt"})
        touch(top + "/" + QString::fromUtf8(name));

    const QList<NodeVideoFile> entries = filelist::entriesBelow(top);
    EXPECT_EQ(relativePaths(entries, top),
              (QStringList{".hidden.ogg", "b.WAV", "intro.flac", "track 9.mp3", "Track 10.mp3", "Disc 2/b.mp3",
                           "Disc 2/Live/Y.wav", "Disc 2/Live/z.wav", "Disc 10/a.mp3", "x.mp3/inside.mp3"}));
    QStringList relative;
    for (const NodeVideoFile &entry : entries)
        relative << entry.s_Relative_Folder();
    EXPECT_EQ(relative, (QStringList{"", "", "", "", "", "Disc 2", "Disc 2/Live", "Disc 2/Live", "Disc 10", "x.mp3"}));

    // The path fields are those of any other entry.
    const NodeVideoFile live = entries[6];
    EXPECT_EQ(live.s_Folder_Path(), top + "/Disc 2/Live");
    EXPECT_EQ(live.s_File_Name_Without_Extension(), "Y");
    EXPECT_EQ(live.s_File_Extension(), "wav");
    EXPECT_EQ(live.s_File_URL(), QUrl::fromLocalFile(top + "/Disc 2/Live/Y.wav"));
}

TEST(FolderTree, LinksToFoldersAreNotFollowedSoACycleEnds)
{
    QTemporaryDir dir;
    const QString top = dir.path() + "/top";
    touch(top + "/a.mp3");
    touch(top + "/sub/b.mp3");
    touch(dir.path() + "/elsewhere/c.mp3");
    symlinkTo(top, top + "/sub/back to top");                   // a cycle
    symlinkTo(dir.path() + "/elsewhere", top + "/outside.mp3"); // a link to a folder, named like a file
    symlinkTo(top + "/a.mp3", top + "/sub/link.mp3");           // a link to a file is taken
    symlinkTo(top + "/gone.mp3", top + "/dangling.mp3");        // a link to nothing is taken by its name

    EXPECT_EQ(relativePaths(filelist::entriesBelow(top), top),
              (QStringList{"a.mp3", "dangling.mp3", "sub/b.mp3", "sub/link.mp3"}));
    // A chosen folder that is itself a link is walked.
    symlinkTo(top, dir.path() + "/chosen");
    EXPECT_EQ(filelist::entriesBelow(dir.path() + "/chosen").size(), 4);
    // Nothing to walk.
    EXPECT_TRUE(filelist::entriesBelow(dir.path() + "/no such folder").isEmpty());
    EXPECT_TRUE(filelist::entriesBelow(top + "/a.mp3").isEmpty());
}

TEST(FolderTree, AFifoWithAnAcceptedNameIsTakenButNotOpened)
{
    QTemporaryDir dir;
    touch(dir.path() + "/a.wav");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.path() + "/x.wav").constData(), 0600), 0);
    EXPECT_EQ(relativePaths(filelist::entriesBelow(dir.path()), dir.path()), (QStringList{"a.wav", "x.wav"}));
}

} // namespace quavero
