// SPDX-License-Identifier: GPL-3.0-or-later
// Files and folders: the walk and the deletion never follow a symbolic link.
#include "platform/core/FileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace quavero {

namespace {
void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write("x");
}
} // namespace

class FileSystemTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }
    QString at(const QString &relative) const { return root.filePath(relative); }
    QTemporaryDir root;
};

TEST_F(FileSystemTest, WalkListsEveryEntryFolderFirstAndDoesNotEnterLinks)
{
    touch(at("outside/secret.txt"));
    touch(at("work/a/b/c.txt"));
    touch(at("work/.hidden"));
    ASSERT_TRUE(QFile::link(at("outside"), at("work/a/link")));

    QStringList entries = fs::walk(at("work"));
    EXPECT_LT(entries.indexOf("a"), entries.indexOf("a/b"));
    EXPECT_LT(entries.indexOf("a/b"), entries.indexOf("a/b/c.txt"));
    entries.sort();
    EXPECT_EQ(entries, QStringList({".hidden", "a", "a/b", "a/b/c.txt", "a/link"}));
}

TEST_F(FileSystemTest, RemoveDeletesLinksAsLinksAndFoldersWithAllTheyHold)
{
    touch(at("outside/secret.txt"));
    touch(at("work/nested/file.txt"));
    ASSERT_TRUE(QFile::link(at("outside"), at("work/nested/link-to-folder")));
    ASSERT_TRUE(QFile::link(at("outside/secret.txt"), at("work/link-to-file")));

    QString error;
    EXPECT_TRUE(fs::remove(at("work/link-to-file"), &error)) << error.toStdString();
    EXPECT_TRUE(fs::remove(at("work/nested"), &error)) << error.toStdString();
    EXPECT_FALSE(fs::exists(at("work/nested")));
    EXPECT_FALSE(fs::exists(at("work/link-to-file")));
    EXPECT_TRUE(QFileInfo::exists(at("outside/secret.txt")));
}

TEST_F(FileSystemTest, FailedRemovalSaysWhatFailed)
{
    QString error;
    EXPECT_FALSE(fs::remove(at("missing"), &error));
    EXPECT_TRUE(error.contains(at("missing"))) << error.toStdString();
}

TEST_F(FileSystemTest, ExistsCountsFilesFoldersAndDanglingLinks)
{
    touch(at("file"));
    ASSERT_TRUE(QFile::link(at("gone"), at("dangling")));
    EXPECT_TRUE(fs::exists(at("file")));
    EXPECT_TRUE(fs::exists(root.path()));
    EXPECT_TRUE(fs::exists(at("dangling")));
    EXPECT_FALSE(fs::exists(at("gone")));
    EXPECT_FALSE(fs::isFolder(at("file")));
}

TEST_F(FileSystemTest, CreateFolderMakesParentsAndFailsBelowAPlainFile)
{
    EXPECT_TRUE(fs::createFolderWithParents(at("a/b/c")));
    EXPECT_TRUE(fs::isFolder(at("a/b/c")));
    EXPECT_TRUE(fs::createFolderWithParents(at("a/b/c")));
    touch(at("plain"));
    EXPECT_FALSE(fs::createFolderWithParents(at("plain/sub")));
    EXPECT_FALSE(fs::createFolderWithParents(at("plain")));
}

TEST_F(FileSystemTest, DocumentsFolderIsInTheUsersHome)
{
    EXPECT_EQ(fs::documentsFolder(), QDir::homePath() + "/Documents");
}

} // namespace quavero
