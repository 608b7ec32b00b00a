// SPDX-License-Identifier: GPL-3.0-or-later
// Which file of the folder a sheet's FILE line stands for.
#include "QtPrinters.h"
#include "cue/core/ImageMatch.h"

#include <gtest/gtest.h>

namespace quavero {

namespace {
cue::ImageMatch match(const QString &named, const QStringList &names, int filesInSheet = 1)
{
    return cue::matchImage(named, names, "album", filesInSheet);
}
} // namespace

TEST(CueImageMatch, TheNamedFileFirstThenItsLikelyRenamings)
{
    const QStringList folder{"album.cue", "album.log", "Album.WAV", "album.flac", "cover.jpg"};
    EXPECT_EQ(match("album.flac", folder).kind, cue::MatchKind::Exact);
    EXPECT_EQ(match("C:\\Rips\\album.flac", folder).name, "album.flac");

    const cue::ImageMatch otherCase = match("ALBUM.FLAC", folder);
    EXPECT_EQ(otherCase.kind, cue::MatchKind::OtherCase);
    EXPECT_EQ(otherCase.name, "album.flac");

    // "album.ape" is not there: of the audio files named "album", FLAC is
    // preferred over WAV; the log and the sheet are no audio.
    const cue::ImageMatch otherExtension = match("album.ape", folder);
    EXPECT_EQ(otherExtension.kind, cue::MatchKind::OtherExtension);
    EXPECT_EQ(otherExtension.name, "album.flac");
    EXPECT_EQ(match("album.ape", {"album.cue", "album.mp3", "album.wv"}).name, "album.wv");
}

// The ripper's "CDImage.wav" for an image renamed after its sheet is found
// only when the sheet names that one file.
TEST(CueImageMatch, TheSheetsOwnNameForASingleFileSheet)
{
    const QStringList folder{"album.cue", "album.flac"};
    const cue::ImageMatch m = match("CDImage.wav", folder);
    EXPECT_EQ(m.kind, cue::MatchKind::SheetName);
    EXPECT_EQ(m.name, "album.flac");
    EXPECT_EQ(match("CDImage.wav", folder, 2).kind, cue::MatchKind::None);
    EXPECT_EQ(match("CDImage.wav", {"album.cue", "other.flac"}).kind, cue::MatchKind::None);
    EXPECT_EQ(match("", folder).kind, cue::MatchKind::None);
}

} // namespace quavero
