// SPDX-License-Identifier: GPL-3.0-or-later
// A track of an album image as a list entry: its name and extension, the
// duration and size of its share once the image is measured, the ffmpeg
// arguments that cut it out, and what the run's plan and the preview make of
// it.
#include "QtPrinters.h"
#include "convert/core/RunPlanner.h"
#include "cue/core/TrackEntry.h"
#include "cue/core/TrackTags.h"
#include "preview/core/PreviewFiles.h"

#include <gtest/gtest.h>

namespace quavero {

namespace {
// Track number of three cut from /music/Album/album.<extension>, 44.1 kHz,
// 20 s long (882,000 samples).
NodeVideoFile track(int number, SampleRange range, const QString &extension = "flac")
{
    SheetTrack t;
    t.number = number;
    t.count = 3;
    t.sheetNumber = number;
    t.imagePath = "/music/Album/album." + extension;
    t.sampleRate = 44100;
    t.range = range;
    t.tags.fields.insert("TITLE", {QStringLiteral("Song %1").arg(number)});
    t.baseName = cue::baseName(number, 3, t.tags.fields.value("TITLE").first());
    return cue::trackEntry(t, "/music/Album/album.cue", 882000);
}

PlanWorld emptyWorld()
{
    PlanWorld w;
    w.exists = [](const QString &) { return false; };
    w.canonical = [](const QString &path) { return path; };
    return w;
}
} // namespace

TEST(CueTrackEntry, IsNamedFromTheSheetAndReadsTheImage)
{
    const NodeVideoFile e = track(2, {328104, 553308});
    EXPECT_EQ(e.s_File_Path(), "/music/Album/album.flac");
    EXPECT_EQ(e.s_File_Name_Without_Extension(), "02 Song 2");
    EXPECT_EQ(e.s_File_Extension(), "flac");
    EXPECT_TRUE(e.m_Track().isTrack());
    EXPECT_EQ(e.m_Track().sheetPath, "/music/Album/album.cue");
    EXPECT_EQ(e.m_Track().tags.fields.value("TITLE"), QStringList{"Song 2"});
    EXPECT_FALSE(NodeVideoFile().m_Track().isTrack());
    EXPECT_EQ(cue::shownTrack("album.cue", e.s_File_Name_Without_Extension()), "album.cue [02 Song 2]");
}

TEST(CueTrackEntry, ShowsTheDurationAndSizeOfItsShareOnce)
{
    // The add completes the entry as its image: 20 s and 1,000,000 bytes.
    NodeVideoFile e = track(2, {220500, 661500}); // 5 s to 15 s: half the image
    e.setI_Duration_in_Seconds(20);
    e.setS_Duration(" 00:00:20.0");
    e.setU_File_Size_Bytes(1000000);
    const NodeVideoFile shared = cue::withTrackShare(e);
    EXPECT_EQ(shared.s_Duration(), " 00:00:10.0");
    EXPECT_EQ(shared.i_Duration_in_Seconds(), 10);
    EXPECT_EQ(shared.u_File_Size_Bytes(), 500000u);
    // Given its share again (the run's probe measures the image anew), it keeps it.
    NodeVideoFile again = shared;
    again.setI_Duration_in_Seconds(20);
    again.setU_File_Size_Bytes(1000000);
    again = cue::withTrackShare(cue::withTrackShare(again));
    EXPECT_EQ(again.u_File_Size_Bytes(), 500000u);
    EXPECT_EQ(again.s_Duration(), " 00:00:10.0");

    // A last track of an image whose length only the probe tells: to its end.
    NodeVideoFile last = track(3, {661500, -1});
    ImageTrack unknown = last.m_Track();
    unknown.imageSamples = -1;
    last.setM_Track(unknown);
    last.setI_Duration_in_Seconds(20);
    last.setU_File_Size_Bytes(1000000);
    last = cue::withTrackShare(last);
    EXPECT_EQ(last.s_Duration(), " 00:00:05.0");
    EXPECT_EQ(last.u_File_Size_Bytes(), 250000u);

    // A whole file is left as it was; so is a track of no known length.
    NodeVideoFile whole;
    whole.setS_Duration(" 00:00:20.0");
    EXPECT_EQ(cue::withTrackShare(whole).s_Duration(), " 00:00:20.0");
    NodeVideoFile lost = track(3, {661500, -1});
    ImageTrack noLength = lost.m_Track();
    noLength.imageSamples = -1;
    lost.setM_Track(noLength);
    lost.setS_Duration(" N/A");
    EXPECT_EQ(cue::withTrackShare(lost).s_Duration(), " N/A");
    EXPECT_EQ(cue::durationText(3725.46), " 01:02:05.5");
}

TEST(CueTrackEntry, ArgumentsSeekTheImageAndCutBeforeTheFormatsOwnFilters)
{
    const ImageTrack t = track(2, {328104, 553308}).m_Track();
    EXPECT_EQ(cue::trackArguments({"-i", "file:///a.flac", "-codec:a", "libmp3lame", "-af", "volume=2", "/o/x.mp3"}, t),
              (QStringList{"-ss", "7", "-i", "file:///a.flac", "-map_metadata", "-1", "-codec:a", "libmp3lame", "-af",
                           "atrim=start_sample=19404:end_sample=244608,asetpts=N/SR/TB,volume=2", "/o/x.mp3"}));
    EXPECT_EQ(cue::trackArguments({"-i", "in.wav", "-acodec", "flac", "out.flac"}, track(3, {661500, -1}).m_Track()),
              (QStringList{"-ss", "15", "-i", "in.wav", "-af", "atrim=start_sample=0,asetpts=N/SR/TB", "-map_metadata",
                           "-1", "-acodec", "flac", "out.flac"}));
    // A vector that does not open with its input is not touched.
    EXPECT_EQ(cue::trackArguments({"-y", "-i", "in.wav", "out.wav"}, t), (QStringList{"-y", "-i", "in.wav", "out.wav"}));
}

TEST(CueTrackEntry, ThePlanCutsEachTrackUnderItsOwnNameAndNeverCopiesTheImage)
{
    NodeVideoFile one = track(1, {0, 328104}, "mp3");
    NodeVideoFile two = track(2, {328104, -1}, "mp3");
    AudioStream mp3;
    mp3.codec = "mp3";
    mp3.sampleRate = 44100;
    mp3.channels = 2;
    one.setM_Audio_Stream(mp3);
    two.setM_Audio_Stream(mp3);
    SettingsSnapshot settings;
    settings.formatIndex = 8; // .MP3, at the image's own rate and channels: a whole file would be copied
    settings.records.m_AF_MP3.setI_SampleRate(6);
    settings.records.m_AF_MP3.setI_Channels(1);
    settings.copySameFormat = true;
    const RunPlan plan = runplan::make(settings, runplan::inputsFrom({one, two}), "/out", 7, emptyWorld());
    ASSERT_EQ(plan.entries.size(), 2);
    EXPECT_EQ(plan.entries[0].action, PlanAction::Convert) << "a copy of the image would be the whole album";
    EXPECT_EQ(plan.entries[0].finalPath, "/out/01 Song 1.mp3");
    EXPECT_EQ(plan.entries[1].finalPath, "/out/02 Song 2.mp3");
    EXPECT_TRUE(runplan::streamsWanted(plan).isEmpty());
    const QStringList second = plan.entries[1].stages.first().arguments;
    EXPECT_EQ(second.mid(0, 4), (QStringList{"-ss", "7", "-i", "file:///music/Album/album.mp3"}));
    EXPECT_TRUE(second.contains("atrim=start_sample=19404,asetpts=N/SR/TB")) << second.join(' ').toStdString();
    EXPECT_EQ(plan.entries[1].tagSource, "/music/Album/album.mp3") << "the image's tags and cover go under the sheet's";

    // With effects (a speed factor), sox follows each track's own cut.
    settings.formatIndex = 7; // .FLAC
    settings.records.m_AF_FLAC.setF_Speed(2.0f);
    const RunPlan fx = runplan::make(settings, runplan::inputsFrom({one}), "/out", 7, emptyWorld());
    ASSERT_EQ(fx.entries[0].stages.size(), 2);
    EXPECT_TRUE(fx.entries[0].stages[0].arguments.contains("atrim=start_sample=0:end_sample=328104,asetpts=N/SR/TB"));
    EXPECT_EQ(fx.entries[0].stages[1].program, StageProgram::Sox);
    EXPECT_EQ(fx.entries[0].stages[1].arguments.first(), fx.entries[0].intermediatePath);
}

TEST(CueTrackEntry, ThePreviewMakesTheTrackAlone)
{
    const NodeVideoFile two = track(2, {328104, 553308});
    const QStringList arguments = preview::wavArguments("/music/Album/album.flac", "/w/album.wav", two.m_Track());
    EXPECT_EQ(arguments.mid(0, 4), (QStringList{"-ss", "7", "-i", "/music/Album/album.flac"}));
    EXPECT_TRUE(arguments.contains("atrim=start_sample=19404:end_sample=244608,asetpts=N/SR/TB"));
    EXPECT_EQ(arguments.last(), "/w/album.wav");
    EXPECT_EQ(preview::wavArguments("/a.flac", "/w/a.wav", ImageTrack()), preview::wavArguments("/a.flac", "/w/a.wav"));
    // Two tracks of one image are two previews; a whole file is its path.
    const QString path = two.s_File_Path();
    EXPECT_NE(preview::sourceKey(path, two.m_Track()), preview::sourceKey(path, track(1, {0, 328104}).m_Track()));
    EXPECT_EQ(preview::sourceKey(path, ImageTrack()), path);
}

} // namespace quavero
