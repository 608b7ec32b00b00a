// SPDX-License-Identifier: GPL-3.0-or-later
// Tracks from a parsed sheet: where each begins and ends in samples, how a
// pregap, a multi-file sheet, a data track and a hidden first track are
// cut, and the sheets whose times cannot be cut.
#include "QtPrinters.h"
#include "cue/core/SheetTracks.h"

#include <gtest/gtest.h>

namespace quavero {

namespace {
CueTrack track(int number, const QString &file, qint64 index01, qint64 index00 = -1)
{
    CueTrack t;
    t.number = number;
    t.file = file;
    t.index01 = index01;
    t.index00 = index00;
    t.title = QStringLiteral("Song %1").arg(number);
    return t;
}

QMap<QString, SheetImage> oneImage(qint64 totalSamples, int rate = 44100)
{
    return {{"album.wav", SheetImage{"/music/album.flac", rate, totalSamples}}};
}

QList<SampleRange> rangesOf(const TrackListing &listing)
{
    QList<SampleRange> ranges;
    for (const SheetTrack &t : listing.tracks)
        ranges << t.range;
    return ranges;
}
} // namespace

void PrintTo(const SampleRange &r, std::ostream *os) { *os << "[" << r.start << ", " << r.end << ")"; }

TEST(CueFrames, FramesBecomeSamplesExactlyOrToTheNearest)
{
    EXPECT_EQ(cue::framesToSamples(75, 44100), 44100);
    EXPECT_EQ(cue::framesToSamples(1, 44100), 588);
    EXPECT_EQ(cue::framesToSamples(1, 48000), 640);
    EXPECT_EQ(cue::framesToSamples(1, 96000), 1280);
    // 32 kHz: 426.67 samples a frame, so 1 frame is 427 and 2 are 853.
    EXPECT_EQ(cue::framesToSamples(1, 32000), 427);
    EXPECT_EQ(cue::framesToSamples(2, 32000), 853);
    EXPECT_EQ(cue::framesToSamples(3, 32000), 1280);
    // 99 minutes at 384 kHz does not overflow.
    EXPECT_EQ(cue::framesToSamples(99 * 60 * 75, 384000), qint64(99) * 60 * 384000);
}

// Track 2 has a pregap: it stays at the end of track 1. The last track runs
// to the image's end, and the ranges join without a gap.
TEST(CueTracks, EachTrackRunsFromItsIndex01ToTheNext)
{
    CueSheet sheet;
    sheet.tracks = {track(1, "album.wav", 0), track(2, "album.wav", 558, 385), track(3, "album.wav", 941)};
    const TrackListing listing = cue::sheetTracks(sheet, oneImage(882000), "album.cue");
    ASSERT_FALSE(listing.failure) << listing.failure.text().toStdString();
    EXPECT_EQ(rangesOf(listing), (QList<SampleRange>{{0, 328104}, {328104, 553308}, {553308, 882000}}));
    EXPECT_EQ(listing.tracks[1].imagePath, "/music/album.flac");
    EXPECT_EQ(listing.tracks[1].sampleRate, 44100);
    EXPECT_EQ(listing.tracks[2].number, 3);
    EXPECT_EQ(listing.tracks[2].count, 3);
    EXPECT_EQ(listing.tracks[2].baseName, "03 Song 3");

    // Without a known length the last track is open-ended.
    EXPECT_TRUE(cue::sheetTracks(sheet, oneImage(-1), "album.cue").tracks[2].range.toEnd());
}

// At 32 kHz frames are no whole number of samples: each boundary is rounded
// once and shared, so the tracks still cover the image exactly.
TEST(CueTracks, RoundedBoundariesStillJoin)
{
    CueSheet sheet;
    sheet.tracks = {track(1, "album.wav", 0), track(2, "album.wav", 1), track(3, "album.wav", 2)};
    const TrackListing listing = cue::sheetTracks(sheet, oneImage(5000, 32000), "album.cue");
    EXPECT_EQ(rangesOf(listing), (QList<SampleRange>{{0, 427}, {427, 853}, {853, 5000}}));
}

// A hidden track before track 1's INDEX 01, or a pregap at the start of the
// second file of a multi-file sheet, goes with the file's first track: no
// sample of a file is left out. Each file's last track runs to that file's end.
TEST(CueTracks, MultiFileSheetsCutEachFileAndKeepTheirLeadIn)
{
    CueSheet sheet;
    sheet.tracks = {track(1, "a.wav", 150, 0), track(2, "a.wav", 300), track(3, "b.wav", 75, 0), track(4, "b.wav", 225)};
    const QMap<QString, SheetImage> images{{"a.wav", SheetImage{"/m/a.wav", 44100, 400000}},
                                           {"b.wav", SheetImage{"/m/b.flac", 44100, 200000}}};
    const TrackListing listing = cue::sheetTracks(sheet, images, "album.cue");
    ASSERT_FALSE(listing.failure);
    EXPECT_EQ(rangesOf(listing), (QList<SampleRange>{{0, 176400}, {176400, 400000}, {0, 132300}, {132300, 200000}}));
    EXPECT_EQ(listing.tracks[2].imagePath, "/m/b.flac");
    EXPECT_EQ(listing.tracks[3].number, 4);
}

// A data track is left out and named; the audio track before it ends where
// it begins, and the numbering counts audio tracks only.
TEST(CueTracks, DataTracksAreLeftOutAndNamed)
{
    CueSheet sheet;
    sheet.tracks = {track(1, "cd.bin", 0), track(2, "cd.bin", 750), track(3, "cd.bin", 1500), track(4, "data.bin", 0)};
    sheet.tracks[1].audio = false;
    sheet.tracks[3].audio = false; // in a file of its own, which is not looked for
    const TrackListing listing = cue::sheetTracks(sheet, {{"cd.bin", SheetImage{"/m/cd.bin", 44100, -1}}}, "cd.cue");
    ASSERT_FALSE(listing.failure);
    EXPECT_EQ(listing.dataTracks, (QList<int>{2, 4}));
    ASSERT_EQ(listing.tracks.size(), 2);
    EXPECT_EQ(listing.tracks[0].range.end, 441000);
    EXPECT_EQ(listing.tracks[1].number, 2);
    EXPECT_EQ(listing.tracks[1].count, 2);
    EXPECT_EQ(listing.tracks[1].sheetNumber, 3);
}

// A FLAC file's own cue sheet gives exact sample starts, which win over the
// frames.
TEST(CueTracks, ExactStartsAreTakenAsTheyAre)
{
    CueSheet sheet;
    sheet.tracks = {track(1, "a.flac", 0), track(2, "a.flac", 3)};
    sheet.tracks[1].exactStart = 1000;
    const TrackListing listing = cue::sheetTracks(sheet, {{"a.flac", SheetImage{"/a.flac", 22050, 5000}}}, "a.flac");
    EXPECT_EQ(rangesOf(listing), (QList<SampleRange>{{0, 1000}, {1000, 5000}}));
}

TEST(CueTracks, SheetsThatCannotBeCutAreOneNamedFailure)
{
    CueSheet sheet;
    sheet.tracks = {track(1, "album.wav", 0), track(2, "album.wav", 300), track(3, "album.wav", 300)};
    cue::SheetFailure f = cue::sheetTracks(sheet, oneImage(882000), "album.cue").failure;
    EXPECT_EQ(f.kind, cue::FailureKind::OutOfOrder);
    EXPECT_EQ(f.track, 3);

    sheet.tracks[2].index01 = 2000; // 26.7 s into a 20 s image
    f = cue::sheetTracks(sheet, oneImage(882000), "album.cue").failure;
    EXPECT_EQ(f.kind, cue::FailureKind::StartsAfterEnd);
    EXPECT_EQ(f.track, 3);
    EXPECT_EQ(f.file, "album.wav");

    f = cue::sheetTracks(sheet, {}, "album.cue").failure;
    EXPECT_EQ(f.kind, cue::FailureKind::MissingImage);

    sheet.tracks[1].index01 = -1;
    f = cue::checkSheet(sheet, "album.cue");
    EXPECT_EQ(f.kind, cue::FailureKind::TrackWithoutStart);
    EXPECT_EQ(f.track, 2);

    sheet.tracks[0].file.clear();
    EXPECT_EQ(cue::checkSheet(sheet, "album.cue").kind, cue::FailureKind::TrackWithoutFile);

    CueSheet data;
    data.tracks = {track(1, "cd.bin", 0)};
    data.tracks[0].audio = false;
    EXPECT_EQ(cue::checkSheet(data, "cd.cue").kind, cue::FailureKind::NoAudioTracks);
}

} // namespace quavero
