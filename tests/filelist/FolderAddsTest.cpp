// SPDX-License-Identifier: GPL-3.0-or-later
// Folders added to the list: a folder given on the command line comes with
// its subfolders, an add that finds no audio file says so (and offers the
// subfolders when they hold some), a shallow add lists its files in natural
// order, and the add panels open where the user added from last.
#include "AddWaits.h"
#include "TestApp.h"
#include "app/PreferenceKeys.h"
#include "filelist/core/NothingFound.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace quavero {

namespace {
// Empty files named like audio: the list's stand-in completer never reads them.
void touchAll(const QString &top, const QStringList &names)
{
    for (const QString &name : names) {
        QDir().mkpath(QFileInfo(top + "/" + name).absolutePath());
        QFile file(top + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    }
}

// An artist's folder as a music library has it: album folders, no loose files.
QString artistFolder()
{
    const QString top = testenv::freshFolder("Artist");
    touchAll(top, {"Second Album/02 b.flac", "Second Album/10 c.flac", "First Album/1 a.mp3", "cover.jpg"});
    return top;
}
} // namespace

class FolderAddsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetHome();
        t = std::make_unique<TestApp>();
        t->app->addEntryCompleter = [](const NodeVideoFile &entry) { return entry; };
        ASSERT_TRUE(t->start());
    }

    AppDelegate &app() { return *t->app; }

    // Each entry as "<relative folder>|<name>".
    QStringList listed()
    {
        QStringList out;
        for (const NodeVideoFile &entry : app().arrayVideoFiles.snapshot())
            out << entry.s_Relative_Folder() + "|" + QFileInfo(entry.s_File_Path()).fileName();
        return out;
    }

    std::unique_ptr<TestApp> t;
};

TEST(NothingFound, NamesTheFolderAndOffersTheSubfoldersOnlyWhenTheyHoldAudio)
{
    const filelist::NothingFoundAlert offered = filelist::nothingFound(filelist::AddKind::Folder, {"/m/Artist"}, 3);
    EXPECT_EQ(offered.message, QString::fromUtf8("No audio file was found in “Artist”."));
    EXPECT_TRUE(offered.informative.contains("/m/Artist")) << offered.informative.toStdString();
    EXPECT_TRUE(offered.informative.contains("3 audio files")) << offered.informative.toStdString();
    EXPECT_EQ(offered.buttons, (QStringList{"Add with Subfolders", "Close"}));
    EXPECT_EQ(offered.addWithSubfoldersButton, 0);

    const filelist::NothingFoundAlert bare = filelist::nothingFound(filelist::AddKind::Folder, {"/m/Empty"}, 0);
    EXPECT_EQ(bare.buttons, QStringList{"Close"});
    EXPECT_EQ(bare.addWithSubfoldersButton, -1);
    EXPECT_TRUE(bare.informative.contains(".mp3")) << bare.informative.toStdString();

    // A walk of the whole tree has nothing more to offer; several folders are all named.
    const filelist::NothingFoundAlert two = filelist::nothingFound(filelist::AddKind::FolderAndBelow, {"/m/A", "/m/B"}, 5);
    EXPECT_EQ(two.buttons, QStringList{"Close"});
    EXPECT_TRUE(two.message.contains("2 folders")) << two.message.toStdString();
    EXPECT_TRUE(two.informative.contains("/m/A\n/m/B")) << two.informative.toStdString();

    // The root folder has no name of its own: it is shown as "/".
    EXPECT_EQ(filelist::nothingFound(filelist::AddKind::FolderAndBelow, {"/"}).message,
              QString::fromUtf8("No audio file was found in “/”."));
}

TEST_F(FolderAddsTest, AFolderOnTheCommandLineComesWithItsSubfoldersAndNoAlert)
{
    const QString top = artistFolder();
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().addPaths({top}); }));
    EXPECT_EQ(listed(), (QStringList{"First Album|1 a.mp3", "Second Album|02 b.flac", "Second Album|10 c.flac"}));
    EXPECT_TRUE(t->prompts.alerts.isEmpty());
}

TEST_F(FolderAddsTest, AddFolderOnAFolderOfAlbumsOffersItsSubfolders)
{
    const QString top = artistFolder();
    // Close: nothing is added.
    t->prompts.addFolderAnswers.enqueue(top);
    t->prompts.alertAnswers.enqueue(1);
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnUserToolbarAddFolder(); }));
    ASSERT_EQ(t->prompts.alerts.size(), 1);
    EXPECT_EQ(t->prompts.alerts[0].message, QString::fromUtf8("No audio file was found in “Artist”."));
    EXPECT_EQ(t->prompts.alerts[0].buttons, (QStringList{"Add with Subfolders", "Close"}));
    EXPECT_EQ(app().arrayVideoFiles.count(), 0);

    // Add with Subfolders: the tree, as Add Folder and Subfolders adds it.
    t->prompts.addFolderAnswers.enqueue(top);
    t->prompts.alertAnswers.enqueue(0);
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnUserToolbarAddFolder(); }));
    EXPECT_EQ(listed(), (QStringList{"First Album|1 a.mp3", "Second Album|02 b.flac", "Second Album|10 c.flac"}));
    EXPECT_EQ(t->prompts.alerts.size(), 2);
}

TEST_F(FolderAddsTest, EveryKindOfAddThatFindsNothingSaysSoNamingTheFolder)
{
    const QString empty = testenv::freshFolder("Nothing Here");
    touchAll(empty, {"notes.txt", "Sub/cover.jpg"});
    const auto expectOneAlert = [&](const char *what) {
        ASSERT_EQ(t->prompts.alerts.size(), 1) << what;
        EXPECT_EQ(t->prompts.alerts[0].message, QString::fromUtf8("No audio file was found in “Nothing Here”.")) << what;
        EXPECT_EQ(t->prompts.alerts[0].buttons, QStringList{"Close"}) << what;
        EXPECT_TRUE(t->prompts.alerts[0].informative.contains(empty)) << what;
        t->prompts.alerts.clear();
    };
    t->prompts.addFolderAnswers.enqueue(empty);
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnUserToolbarAddFolder(); }));
    expectOneAlert("Add Folder");
    t->prompts.addFolderAnswers.enqueue(empty);
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnMenuAddFolderAndSubfolders(); }));
    expectOneAlert("Add Folder and Subfolders");
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().addPaths({empty}); }));
    expectOneAlert("command line");
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().addDroppedPaths({empty}); }));
    expectOneAlert("drop");

    // A name typed into the Add Files panel that is no audio file.
    t->prompts.fileAnswers.enqueue({empty + "/notes.txt"});
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnUserToolbarAddVideos(); }));
    ASSERT_EQ(t->prompts.alerts.size(), 1);
    EXPECT_TRUE(t->prompts.alerts[0].informative.contains(empty)) << t->prompts.alerts[0].informative.toStdString();
    EXPECT_EQ(app().arrayVideoFiles.count(), 0);
}

TEST_F(FolderAddsTest, AddFolderListsItsFilesInTheOrderOfTheRecursiveAdd)
{
    const QString top = testenv::freshFolder("Album");
    touchAll(top, {"Track 10.wav", "track 9.wav", "Intro.wav", "b.mp3", "A.mp3", "a.mp3"});
    t->prompts.addFolderAnswers.enqueue(top);
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnUserToolbarAddFolder(); }));
    const QStringList shallow = listed();
    EXPECT_EQ(shallow, (QStringList{"|A.mp3", "|a.mp3", "|b.mp3", "|Intro.wav", "|track 9.wav", "|Track 10.wav"}));

    app().OnUserToolbarClear();
    t->prompts.addFolderAnswers.enqueue(top);
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnMenuAddFolderAndSubfolders(); }));
    EXPECT_EQ(listed(), shallow);
}

TEST_F(FolderAddsTest, TheAddPanelsOpenWhereTheUserAddedFromLastElseInTheMusicFolder)
{
    // No music folder yet: home.
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    QDir(music).removeRecursively();
    app().OnUserToolbarAddFolder(); // cancelled
    ASSERT_EQ(t->prompts.startFolders.size(), 1);
    EXPECT_EQ(t->prompts.startFolders.last(), QDir::homePath());

    ASSERT_TRUE(QDir().mkpath(music));
    app().OnUserToolbarAddVideos(); // cancelled
    EXPECT_EQ(t->prompts.startFolders.last(), music);

    const QString top = artistFolder();
    t->prompts.addFolderAnswers.enqueue(top + "/First Album");
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnMenuAddFolderAndSubfolders(); }));
    app().OnUserToolbarAddVideos();
    EXPECT_EQ(t->prompts.startFolders.last(), top + "/First Album");
    EXPECT_EQ(t->preferences.string(prefkeys::kLastAddedFolder), top + "/First Album");

    // The folder of the chosen files counts too; one that has gone falls back.
    t->prompts.fileAnswers.enqueue({top + "/Second Album/02 b.flac"});
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnUserToolbarAddVideos(); }));
    app().OnUserToolbarAddFolder();
    EXPECT_EQ(t->prompts.startFolders.last(), top + "/Second Album");
    QDir(top).removeRecursively();
    app().OnUserToolbarAddFolder();
    EXPECT_EQ(t->prompts.startFolders.last(), music);
}

} // namespace quavero
