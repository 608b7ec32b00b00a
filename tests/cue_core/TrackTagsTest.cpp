// SPDX-License-Identifier: GPL-3.0-or-later
// The tags a sheet gives a track, how they go over the image's own tags, and
// the track's default name.
#include "QtPrinters.h"
#include "cue/core/TrackTags.h"

#include <gtest/gtest.h>

namespace quavero {

namespace {
using Fields = QMap<QString, QStringList>;

CueSheet album()
{
    CueSheet sheet;
    sheet.title = "Northern Skies";
    sheet.performer = "The Aurora Band";
    sheet.date = "1999";
    sheet.genre = "Ambient";
    CueTrack first;
    first.title = "First Light";
    first.performer = "Mira Solo";
    first.composer = "J. Writer";
    first.isrc = "USABC9900001";
    CueTrack second;
    second.title = "Dusk";
    second.genre = "Drone";
    sheet.tracks = {first, second};
    return sheet;
}
} // namespace

TEST(CueTrackTags, TheSheetNamesTrackAlbumAndPlace)
{
    const CueSheet sheet = album();
    EXPECT_EQ(cue::sheetTags(sheet, sheet.tracks[0], 1, 2).fields, (Fields{{"TITLE", {"First Light"}},
                                                                           {"ARTIST", {"Mira Solo"}},
                                                                           {"ALBUM", {"Northern Skies"}},
                                                                           {"ALBUMARTIST", {"The Aurora Band"}},
                                                                           {"DATE", {"1999"}},
                                                                           {"GENRE", {"Ambient"}},
                                                                           {"COMPOSER", {"J. Writer"}},
                                                                           {"ISRC", {"USABC9900001"}},
                                                                           {"TRACKNUMBER", {"1"}},
                                                                           {"TRACKTOTAL", {"2"}}}));
    // A track without a performer takes the album's; its own genre wins.
    const Fields second = cue::sheetTags(sheet, sheet.tracks[1], 2, 2).fields;
    EXPECT_EQ(second.value("ARTIST"), QStringList{"The Aurora Band"});
    EXPECT_EQ(second.value("GENRE"), QStringList{"Drone"});
    EXPECT_FALSE(second.contains("COMPOSER"));

    // An empty sheet gives the place alone.
    EXPECT_EQ(cue::sheetTags(CueSheet{}, CueTrack{}, 3, 9).fields, (Fields{{"TRACKNUMBER", {"3"}}, {"TRACKTOTAL", {"9"}}}));
}

// The image's cover and label reach the track; its own title, numbers, track
// gain and embedded sheet do not; the sheet's fields replace the image's.
TEST(CueTrackTags, SheetFieldsGoOverTheImagesOwn)
{
    TagSet image;
    image.fields = {{"TITLE", {"Northern Skies (image)"}},
                    {"ARTIST", {"Aurora"}},
                    {"LABEL", {"Polar Records"}},
                    {"TRACKNUMBER", {"1"}},
                    {"CUESHEET", {"FILE ..."}},
                    {"REPLAYGAIN_TRACK_GAIN", {"-7.1 dB"}},
                    {"REPLAYGAIN_ALBUM_GAIN", {"-7.1 dB"}},
                    {"CUE_TRACK01_TITLE", {"x"}}};
    image.pictures = {TagPicture{TagPicture::FrontCover, "image/png", "", QByteArray("png")}};
    TagSet sheet;
    sheet.fields = {{"TITLE", {"First Light"}}, {"ARTIST", {"Mira Solo"}}, {"TRACKNUMBER", {"1"}}};

    const TagSet merged = cue::overImage(image, sheet);
    EXPECT_EQ(merged.fields, (Fields{{"TITLE", {"First Light"}},
                                     {"ARTIST", {"Mira Solo"}},
                                     {"LABEL", {"Polar Records"}},
                                     {"TRACKNUMBER", {"1"}},
                                     {"REPLAYGAIN_ALBUM_GAIN", {"-7.1 dB"}}}));
    ASSERT_EQ(merged.pictures.size(), 1);
    EXPECT_EQ(merged.pictures[0].data, QByteArray("png"));
}

TEST(CueTrackTags, DefaultNamesAreNumberAndTitle)
{
    EXPECT_EQ(cue::baseName(1, 12, "First Light"), "01 First Light");
    EXPECT_EQ(cue::baseName(7, 120, "Seven"), "007 Seven");
    // One file name: no folder separators, control characters or runs of blanks.
    EXPECT_EQ(cue::baseName(2, 9, "AC/DC\tLive  "), "02 AC-DC Live");
    EXPECT_EQ(cue::baseName(3, 9, "  "), "03 Track 3");
    // At most 200 bytes of title, cut between characters.
    const QString longName = cue::baseName(4, 9, QString(150, QChar(0x00E9)));
    EXPECT_LE(longName.toUtf8().size(), 203);
    EXPECT_TRUE(longName.endsWith(QChar(0x00E9)));
}

} // namespace quavero
