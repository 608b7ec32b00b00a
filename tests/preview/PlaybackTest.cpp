// SPDX-License-Identifier: GPL-3.0-or-later
// Play, Pause and Stop on a prepared preview, with a sound that records what
// was asked of it.
#include "PreviewFixture.h"

#include <QFile>

namespace quavero {

class PlaybackTest : public PreviewFixture {
protected:
    void SetUp() override
    {
        PreviewFixture::SetUp();
        listentries::add(*t, {tone("song.mp3"), tone("other.wav")});
        ASSERT_TRUE(selectAndWaitPrepared({0}));
        wav = work("song.wav");
        ASSERT_EQ(t->app->s_WAV_File, wav);
    }
    QString wav;
};

TEST_F(PlaybackTest, PlayAsksForExactlyOneSelectedRow)
{
    const struct {
        int entries;
        QList<int> selected;
        const char *message;
        const char *informative;
    } cases[] = {
        {2, {}, "There is no audio file selected.", "There is no audio file selected. Select one audio file to play."},
        {2,
         {0, 1},
         "There is more than one audio file selected.",
         "There is more than one audio file selected. Select only one audio file to play."},
        {0, {}, "There is no audio file selected.", "There is no audio file selected. Select one audio file to play."},
    };
    for (const auto &c : cases) {
        if (c.entries == 0)
            t->app->OnUserToolbarClear();
        listentries::select(t->app->tableviewVideoFiles, c.selected);
        t->prompts.alerts.clear();
        t->app->OnUserToolbarPlay();
        ASSERT_EQ(t->prompts.alerts.size(), 1) << c.message;
        EXPECT_EQ(t->prompts.alerts[0].message, c.message);
        EXPECT_EQ(t->prompts.alerts[0].informative, c.informative);
        EXPECT_EQ(t->prompts.alerts[0].buttons, QStringList({"Close"}));
        EXPECT_TRUE(t->sounds.calls.isEmpty());
        EXPECT_EQ(t->app->i_PlayingStatus, 0);
    }
}

TEST_F(PlaybackTest, PlayWithoutThePreviewFileDoesNothing)
{
    ASSERT_TRUE(QFile::remove(wav));
    t->app->OnUserToolbarPlay();
    EXPECT_TRUE(t->prompts.alerts.isEmpty());
    EXPECT_TRUE(t->sounds.calls.isEmpty());
    EXPECT_EQ(t->app->i_PlayingStatus, 0);
    EXPECT_EQ(t->app->s_Audio_URL, QUrl::fromLocalFile(folder + "/song.mp3"));
}

TEST_F(PlaybackTest, PauseThenPlayGoesOnFromThePausedPoint)
{
    t->app->OnUserToolbarPlay();
    EXPECT_EQ(t->sounds.calls, QStringList({"open " + wav, "play"}));
    EXPECT_EQ(t->app->i_PlayingStatus, 1);
    EXPECT_EQ(playbackItems(), "NYY NYY");
    EXPECT_TRUE(t->app->timerHandleAudioPosition.isActive());

    // The counter follows the sound's own time.
    ASSERT_TRUE(QTest::qWaitFor([&] { return t->app->i_Seconds_Position >= 1.0f; }, 5000));
    EXPECT_NEAR(t->app->i_Seconds_Position, t->sounds.current->currentTime(), 0.1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return t->sounds.current->currentTime() >= 1.3; }, 5000));

    t->app->OnUserToolbarPause();
    const double paused = t->sounds.current->currentTime();
    EXPECT_EQ(t->sounds.calls.last(), "pause");
    EXPECT_EQ(t->app->i_PlayingStatus, 2);
    EXPECT_EQ(playbackItems(), "YNY YNY");
    EXPECT_FALSE(t->app->timerHandleAudioPosition.isActive());
    // The exact point, not the whole seconds counted before it.
    EXPECT_NEAR(t->app->i_Seconds_Position, paused, 0.001);
    EXPECT_GT(t->app->i_Seconds_Position, 1.3f);

    t->sounds.calls.clear();
    t->app->OnMenuPlayVideo();
    EXPECT_EQ(t->sounds.calls, QStringList({"play"})); // the same sound, not reopened
    EXPECT_EQ(t->sounds.opened, 1);
    EXPECT_EQ(t->app->i_PlayingStatus, 1);
    EXPECT_NEAR(t->sounds.current->currentTime(), paused, 0.05);
}

TEST_F(PlaybackTest, TheEndOfTheSoundStopsPlaybackAndPlayStartsAgainFromTheBeginning)
{
    t->app->OnUserToolbarPlay();
    ASSERT_TRUE(QTest::qWaitFor([&] { return t->app->i_Seconds_Position >= 1.0f; }, 5000));
    ASSERT_TRUE(t->sounds.finishPlaying());
    ASSERT_TRUE(QTest::qWaitFor([&] { return t->app->i_PlayingStatus == 0; }, 2000));
    EXPECT_EQ(t->app->sound, nullptr);
    EXPECT_EQ(playbackItems(), "YNN YNN");
    EXPECT_FALSE(t->app->timerHandleAudioPosition.isActive());
    EXPECT_EQ(t->app->i_Seconds_Position, 0.0f);

    t->sounds.calls.clear();
    t->app->OnUserToolbarPlay();
    EXPECT_EQ(t->sounds.calls, QStringList({"open " + wav, "play"}));
    EXPECT_LT(t->sounds.current->currentTime(), 0.5);
}

TEST_F(PlaybackTest, StopThenPlayStartsFromTheBeginning)
{
    t->app->OnUserToolbarPlay();
    ASSERT_TRUE(QTest::qWaitFor([&] { return t->app->i_Seconds_Position >= 1.0f; }, 5000));
    t->app->OnUserToolbarStop();
    EXPECT_EQ(t->sounds.calls.last(), "stop");
    EXPECT_EQ(t->app->sound, nullptr);
    EXPECT_EQ(t->app->i_PlayingStatus, 0);
    EXPECT_EQ(t->app->i_Seconds_Position, 0.0f);
    EXPECT_EQ(playbackItems(), "YNN YNN");

    t->sounds.calls.clear();
    t->app->OnUserToolbarPlay();
    EXPECT_EQ(t->sounds.calls, QStringList({"open " + wav, "play"}));
}

TEST_F(PlaybackTest, PlayPauseTogglesAndFollowsTheItems)
{
    EXPECT_TRUE(t->app->menuItemPlayPause->isEnabled());
    t->app->OnMenuPlayPause();
    EXPECT_EQ(t->app->i_PlayingStatus, 1);
    EXPECT_TRUE(t->app->menuItemPlayPause->isEnabled());
    t->app->OnMenuPlayPause();
    EXPECT_EQ(t->app->i_PlayingStatus, 2);
    t->app->OnMenuPlayPause();
    EXPECT_EQ(t->app->i_PlayingStatus, 1);
    EXPECT_EQ(t->sounds.calls, QStringList({"open " + wav, "play", "pause", "play"}));
    t->app->Disable_Audio_Play();
    EXPECT_FALSE(t->app->menuItemPlayPause->isEnabled());
}

TEST_F(PlaybackTest, PauseThenStopForgetsTheResumePoint)
{
    t->app->OnUserToolbarPlay();
    ASSERT_TRUE(QTest::qWaitFor([&] { return t->app->i_Seconds_Position >= 1.0f; }, 5000));
    t->app->OnMenuPause();
    t->app->OnMenuStop();
    EXPECT_EQ(t->app->i_PlayingStatus, 0);
    t->sounds.calls.clear();
    t->app->OnUserToolbarPlay();
    EXPECT_FALSE(t->sounds.calls.join(' ').contains("seek"));
}

TEST_F(PlaybackTest, ASoundThatCannotPlayIsReportedAndLeavesPlaybackStopped)
{
    t->sounds.failToPlay = true;
    t->app->OnUserToolbarPlay();
    ASSERT_EQ(t->prompts.alerts.size(), 1);
    EXPECT_EQ(t->prompts.alerts[0].message, "The preview could not be played.");
    EXPECT_TRUE(t->prompts.alerts[0].informative.contains("no audio output"));
    EXPECT_TRUE(t->prompts.alerts[0].informative.contains("press Play again"));
    EXPECT_EQ(t->app->sound, nullptr);
    EXPECT_EQ(t->app->i_PlayingStatus, 0);
    EXPECT_EQ(playbackItems(), "YNN YNN");
    EXPECT_FALSE(t->app->timerHandleAudioPosition.isActive());
}

TEST_F(PlaybackTest, APlaybackFailureReportedLaterStopsPlayback)
{
    t->app->OnUserToolbarPlay();
    ASSERT_EQ(t->app->i_PlayingStatus, 1);
    ASSERT_TRUE(t->sounds.failWhilePlaying("the sound device was unplugged"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !t->prompts.alerts.isEmpty(); }, 2000));
    EXPECT_EQ(t->prompts.alerts[0].message, "The preview could not be played.");
    EXPECT_TRUE(t->prompts.alerts[0].informative.contains("the sound device was unplugged"));
    EXPECT_EQ(t->app->sound, nullptr);
    EXPECT_EQ(t->app->i_PlayingStatus, 0);
    EXPECT_EQ(playbackItems(), "YNN YNN");
}

} // namespace quavero
