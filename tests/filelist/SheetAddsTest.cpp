// SPDX-License-Identifier: GPL-3.0-or-later
// Album images with their CUE sheets added in the window (offscreen, the real
// duration probe): a folder holding an image and its sheet lists the tracks,
// not the image, each with its name, the image's format, its duration and its
// share of the size, whichever way the folder is added; a sheet naming a
// missing file is named in the alert of files not added.
#include "../cue/CueFiles.h"
#include "AddWaits.h"
#include "filelist/core/ColumnSort.h"

#include <gtest/gtest.h>

namespace quavero {

using namespace cuefiles;

namespace {
const char *kSheet = "PERFORMER \"Band\"\nTITLE \"Noise\"\nFILE \"%1\" WAVE\n"
                     "  TRACK 01 AUDIO\n    TITLE \"Pink\"\n    INDEX 01 00:00:00\n"
                     "  TRACK 02 AUDIO\n    TITLE \"Pinker\"\n    INDEX 00 00:05:10\n    INDEX 01 00:07:33\n"
                     "  TRACK 03 AUDIO\n    TITLE \"Pinkest\"\n    INDEX 01 00:12:41\n";

class SheetAdds : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetHome();
        folder = testenv::freshFolder("Album");
        image = noiseImage(folder + "/album.flac", 20);
        ASSERT_FALSE(image.isEmpty());
        ASSERT_TRUE(writeSheet(folder + "/album.cue", QString::fromLatin1(kSheet).arg("album.flac")));
        t = std::make_unique<TestApp>();
        ASSERT_TRUE(t->start());
    }

    AppDelegate &app() { return *t->app; }

    // Each entry as the list's columns show it: "name|extension|duration".
    QStringList shown()
    {
        QStringList rows;
        for (const NodeVideoFile &e : app().arrayVideoFiles.snapshot())
            rows << QStringList{filelist::columnText(e, filelist::NameColumn),
                                filelist::columnText(e, filelist::ExtensionColumn),
                                filelist::columnText(e, filelist::DurationColumn)}
                        .join('|');
        return rows;
    }

    quint64 listedBytes()
    {
        quint64 bytes = 0;
        for (const NodeVideoFile &e : app().arrayVideoFiles.snapshot())
            bytes += e.u_File_Size_Bytes();
        return bytes;
    }

    QString folder, image;
    std::unique_ptr<TestApp> t;
};

const QStringList kTracks{"01 Pink|flac| 00:00:07.4", "02 Pinker|flac| 00:00:05.1", "03 Pinkest|flac| 00:00:07.5"};
} // namespace

TEST_F(SheetAdds, AFolderWithAnImageAndItsSheetListsTheTracks)
{
    t->prompts.addFolderAnswers.enqueue(folder);
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnUserToolbarAddFolder(); }));
    EXPECT_EQ(shown(), kTracks);
    EXPECT_TRUE(t->prompts.alerts.isEmpty());
    // The shares add up to the image, each in proportion to its length.
    const quint64 size = quint64(QFileInfo(image).size());
    EXPECT_NEAR(double(listedBytes()), double(size), 3.0);
    EXPECT_NEAR(double(app().arrayVideoFiles.at(1).u_File_Size_Bytes()), size * 225204.0 / 882000.0, 1.0);

    // With its subfolders, and dropped together with the image: the same tracks.
    app().arrayVideoFiles.clear();
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().addDroppedPaths({folder + "/album.cue", image}); }));
    EXPECT_EQ(shown(), kTracks);
    app().arrayVideoFiles.clear();
    t->prompts.addFolderAnswers.enqueue(folder);
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnMenuAddFolderAndSubfolders(); }));
    EXPECT_EQ(shown(), kTracks);
}

TEST_F(SheetAdds, ASheetNamingAMissingFileIsNamedAmongTheFilesNotAdded)
{
    ASSERT_TRUE(writeSheet(folder + "/other.cue", QString::fromLatin1(kSheet).arg("lost.flac")));
    t->prompts.addFolderAnswers.enqueue(folder);
    ASSERT_TRUE(testenv::addAndWait(app(), [&] { app().OnUserToolbarAddFolder(); }));
    EXPECT_EQ(shown(), kTracks);
    ASSERT_EQ(t->prompts.alerts.size(), 1);
    EXPECT_EQ(t->prompts.alerts[0].message, "Some files were not added.");
    EXPECT_TRUE(
        t->prompts.alerts[0].informative.startsWith("other.cue: the sheet names lost.flac, which is not in its folder"))
        << t->prompts.alerts[0].informative.toStdString();
}

} // namespace quavero
