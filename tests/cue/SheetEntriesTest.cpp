// SPDX-License-Identifier: GPL-3.0-or-later
// The add's sheet step: a sheet among the added files becomes its tracks in
// its place and its image is not added again; a FLAC image with its sheet
// inside becomes its tracks; a sheet naming a missing file, or no sheet at
// all, is one named failure and nothing else is lost.
#include "CueFiles.h"

#include "cue/engine/SheetEntries.h"
#include "filelist/core/FileEntry.h"
#include "filelist/engine/SheetStep.h"

#include <QUrl>
#include <gtest/gtest.h>

namespace quavero {

using namespace cuefiles;

namespace {
const char *kSheet = "PERFORMER \"Band\"\nTITLE \"Album\"\n"
                     "FILE \"%1\" WAVE\n"
                     "  TRACK 01 AUDIO\n    TITLE \"One\"\n    INDEX 01 00:00:00\n"
                     "  TRACK 02 AUDIO\n    TITLE \"Two\"\n    INDEX 00 00:02:00\n    INDEX 01 00:03:37\n"
                     "  TRACK 03 AUDIO\n    TITLE \"Three\"\n    INDEX 01 00:06:13\n";

NodeVideoFile entryOf(const QString &path, const QString &relative = QString())
{
    NodeVideoFile e = filelist::entryFromUrl(QUrl::fromLocalFile(path));
    e.setS_Relative_Folder(relative);
    return e;
}

QStringList namesOf(const QList<ExpandedEntry> &expanded)
{
    QStringList names;
    for (const ExpandedEntry &e : expanded)
        names << e.entry.s_File_Name_Without_Extension() + "." + e.entry.s_File_Extension();
    return names;
}

class SheetEntries : public ::testing::Test {
protected:
    void SetUp() override { folder = testenv::freshFolder("sheet-entries"); }
    QString folder;
};
} // namespace

TEST_F(SheetEntries, ASheetBecomesItsTracksAndItsImageIsNotAddedAgain)
{
    const QString image = noiseImage(folder + "/album.flac", 10);
    const QString other = noiseImage(folder + "/other.wav", 1);
    ASSERT_FALSE(image.isEmpty());
    ASSERT_FALSE(other.isEmpty());
    // The sheet still names the WAV the image was ripped to.
    ASSERT_TRUE(writeSheet(folder + "/album.cue", QString::fromLatin1(kSheet).arg("album.wav")));

    const QList<ExpandedEntry> expanded =
        cue::expandSheets({entryOf(folder + "/album.cue", "Disc"), entryOf(image, "Disc"), entryOf(other, "Disc")});
    EXPECT_EQ(namesOf(expanded), (QStringList{"01 One.flac", "02 Two.flac", "03 Three.flac", "other.wav"}));
    ASSERT_EQ(expanded.size(), 4);
    for (int i = 0; i < 3; ++i) {
        const NodeVideoFile &t = expanded[i].entry;
        EXPECT_EQ(t.s_File_Path(), image);
        EXPECT_EQ(t.s_Relative_Folder(), "Disc") << "the tracks keep the sheet's folder";
        EXPECT_EQ(t.m_Track().number, i + 1);
        EXPECT_EQ(t.m_Track().imageSamples, 441000) << "a FLAC image's length is exact";
        EXPECT_EQ(expanded[i].from, 0);
        EXPECT_TRUE(expanded[i].failure.isEmpty());
    }
    EXPECT_EQ(expanded[1].entry.m_Track().range, (SampleRange{262 * 588, 463 * 588}));
    EXPECT_EQ(expanded[3].from, 2);

    // The image alone is a whole file.
    EXPECT_EQ(namesOf(cue::expandSheets({entryOf(image)})), QStringList{"album.flac"});
}

TEST_F(SheetEntries, ASheetNamingAMissingFileIsOneNamedFailureInTheAdd)
{
    // Binary bytes, so the length comes from the array and not from strlen.
    static const char kNotASheet[] = "\x00\x01\x02 not a sheet at all";
    const QString other = noiseImage(folder + "/other.wav", 1);
    ASSERT_TRUE(writeSheet(folder + "/album.cue", QString::fromLatin1(kSheet).arg("image.flac")));
    ASSERT_TRUE(writeBytes(folder + "/broken.cue", QByteArray::fromRawData(kNotASheet, sizeof kNotASheet - 1)));

    const QList<ExpandedEntry> expanded =
        cue::expandSheets({entryOf(folder + "/album.cue"), entryOf(other), entryOf(folder + "/broken.cue")});
    ASSERT_EQ(expanded.size(), 3);
    EXPECT_EQ(expanded[0].entry.s_File_Path(), folder + "/album.cue");
    EXPECT_TRUE(expanded[0].failure.startsWith("the sheet names image.flac, which is not in its folder"))
        << expanded[0].failure.toStdString();
    EXPECT_TRUE(expanded[1].failure.isEmpty());
    EXPECT_FALSE(expanded[2].failure.isEmpty());

    // The window's add names it among the files not added, by the sheet's name.
    filelist::AddCandidates candidates;
    candidates.entries = {entryOf(folder + "/album.cue"), entryOf(other)};
    filelist::expandSheets(candidates);
    ASSERT_EQ(candidates.entries.size(), 1);
    EXPECT_EQ(candidates.entries[0].s_File_Path(), other);
    ASSERT_EQ(candidates.notAddedLines().size(), 1);
    EXPECT_TRUE(candidates.notAddedLines()[0].startsWith("album.cue: the sheet names image.flac, which is not"))
        << candidates.notAddedLines()[0].toStdString();
}

TEST_F(SheetEntries, AFlacImageWithItsSheetInsideBecomesItsTracks)
{
    const QString wav = noiseImage(folder + "/CDImage.wav", 10);
    ASSERT_TRUE(writeSheet(folder + "/CDImage.cue", QString::fromLatin1(kSheet).arg("CDImage.wav")));
    const QString image = folder + "/inside/album.flac";
    QDir().mkpath(folder + "/inside");
    ASSERT_EQ(child::runJoined("flac", {"-s", "-o", image, wav}).exitCode, 0);
    ASSERT_EQ(child::runJoined("metaflac", {"--set-tag-from-file=CUESHEET=" + folder + "/CDImage.cue", image}).exitCode, 0);

    const QList<ExpandedEntry> expanded = cue::expandSheets({entryOf(image, "inside")});
    EXPECT_EQ(namesOf(expanded), (QStringList{"01 One.flac", "02 Two.flac", "03 Three.flac"}));
    ASSERT_EQ(expanded.size(), 3);
    EXPECT_EQ(expanded[2].entry.m_Track().range, (SampleRange{463 * 588, 441000}));
    EXPECT_EQ(expanded[2].entry.m_Track().tags.fields.value("ALBUM"), QStringList{"Album"});
    EXPECT_EQ(expanded[2].entry.s_Relative_Folder(), "inside");
}

} // namespace quavero
