// Selecting one row makes its preview WAV and waveform picture with the real
// ffmpeg, with the main commands disabled meanwhile.
#include "PreviewFixture.h"

#include "platform/Sound.h"
#include "platform/core/ChildProcess.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>

namespace {
bool exists(const QString &path)
{
    return QFileInfo(path).isFile();
}
} // namespace

TEST_F(PreviewFixture, OneRowDisablesTheMainCommandsUntilItsPreviewIsMade)
{
    listentries::add(*t, {tone("first.flac", 2.0)});
    QSignalSpy prepared(t->app.get(), &AppDelegate::previewPrepared);
    listentries::select(t->app->tableviewVideoFiles, {0});
    EXPECT_TRUE(mainCommandsEnabled(false));
    for (QAction *menu : t->window->findChildren<QAction *>(QRegularExpression("^menuItem(Add|Remove|Convert)")))
        EXPECT_TRUE(menu->isEnabled()) << menu->objectName().toStdString();

    ASSERT_TRUE(prepared.wait(20000));
    EXPECT_TRUE(prepared.first().first().toBool());
    const QString wav = work("first.wav");
    EXPECT_EQ(t->app->s_WAV_File, wav);
    EXPECT_EQ(testenv::probe(wav, "codec_name"), "pcm_s16le");
    EXPECT_EQ(testenv::probe(wav, "sample_rate"), "44100");
    EXPECT_EQ(testenv::probe(wav, "channels"), "2");
    EXPECT_EQ(t->app->i_Audio_Duration_Seconds, 2);
    EXPECT_TRUE(exists(work("Spectrum0000.png")));
    EXPECT_EQ(t->app->iCurrentSpectrumIndex, 1);
    EXPECT_EQ(t->app->b_Audio_Loaded, 1);
    EXPECT_EQ(t->app->i_PlayingStatus, 0);
    EXPECT_EQ(playbackItems(), "YNN YNN");

    // The main commands come back a moment after the preview is ready.
    EXPECT_TRUE(mainCommandsEnabled(false));
    EXPECT_TRUE(QTest::qWaitFor([&] { return mainCommandsEnabled(true); }, 2000));
}

TEST_F(PreviewFixture, AnUnreadableFileAlertsAndGivesTheCommandsBack)
{
    const QString broken = folder + "/broken.mp3";
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("this is no audio");
    file.close();
    listentries::add(*t, {broken});
    t->app->s_WAV_File = "/earlier/preview.wav";

    bool success = true;
    ASSERT_TRUE(selectAndWaitPrepared({0}, &success));
    EXPECT_FALSE(success);
    ASSERT_EQ(t->prompts.alerts.size(), 1);
    EXPECT_EQ(t->prompts.alerts[0].message, "Audio file could not be opened.");
    EXPECT_EQ(t->prompts.alerts[0].informative, "Audio file could not be opened.");
    EXPECT_EQ(t->prompts.alerts[0].buttons, QStringList({"Close"}));
    EXPECT_EQ(t->app->s_WAV_File, "/earlier/preview.wav");
    EXPECT_EQ(t->app->i_PlayingStatus, 0);
    EXPECT_EQ(playbackItems(), "YNN YNN");
    EXPECT_TRUE(QTest::qWaitFor([&] { return mainCommandsEnabled(true); }, 2000));
}

TEST_F(PreviewFixture, TwoSelectionsWithinTheDeferralPrepareOnlyTheSecond)
{
    listentries::add(*t, {tone("one.wav"), tone("two.ogg")});
    QSignalSpy prepared(t->app.get(), &AppDelegate::previewPrepared);
    listentries::select(t->app->tableviewVideoFiles, {0});
    listentries::select(t->app->tableviewVideoFiles, {1});
    ASSERT_TRUE(prepared.wait(20000));
    EXPECT_FALSE(t->app->timerHandleAudioTracks.isActive());
    EXPECT_EQ(prepared.size(), 1);
    EXPECT_EQ(t->app->s_WAV_File, work("two.wav"));
    EXPECT_FALSE(exists(work("one.wav")));
}

TEST_F(PreviewFixture, ANewerSelectionWinsOverARunningPreparation)
{
    // An ffmpeg that never finishes converting a file named "slow".
    const QString wrapper = folder + "/slow-ffmpeg";
    QFile script(wrapper);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\ncase \"$2\" in *slow*) exec sleep 120;; esac\nexec '%1' \"$@\"\n")
                     .arg(testenv::ffmpeg())
                     .toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    t->app->sffmpegPath = wrapper;

    listentries::add(*t, {tone("slow.wav"), tone("quick.mp3")});
    QSignalSpy prepared(t->app.get(), &AppDelegate::previewPrepared);
    listentries::select(t->app->tableviewVideoFiles, {0});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !t->app->previewChild.isNull(); }, 5000));
    listentries::select(t->app->tableviewVideoFiles, {1});
    ASSERT_TRUE(prepared.wait(20000));
    EXPECT_TRUE(prepared.first().first().toBool());
    EXPECT_EQ(t->app->s_WAV_File, work("quick.wav"));
    EXPECT_FALSE(exists(work("slow.wav")));
    EXPECT_EQ(prepared.size(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return mainCommandsEnabled(true); }, 2000));
}

TEST_F(PreviewFixture, EveryLoadMakesTheNextPicture)
{
    listentries::add(*t, {tone("a.wav"), tone("b.wav")});
    for (int row : {0, 1, 0})
        ASSERT_TRUE(selectAndWaitPrepared({row}));
    EXPECT_EQ(t->app->iCurrentSpectrumIndex, 3);
    EXPECT_EQ(t->app->sCurrentSpectrumFile, work("Spectrum0002.png"));
    for (const char *name : {"Spectrum0000.png", "Spectrum0001.png", "Spectrum0002.png"})
        EXPECT_TRUE(exists(work(name))) << name;
}

TEST_F(PreviewFixture, TwoRowsStopASoundWithoutPreparingAnything)
{
    listentries::add(*t, {tone("a.wav"), tone("b.wav")});
    ASSERT_TRUE(selectAndWaitPrepared({0}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return mainCommandsEnabled(true); }, 2000));
    t->app->OnUserToolbarPlay();
    ASSERT_EQ(t->app->i_PlayingStatus, 1);

    listentries::select(t->app->tableviewVideoFiles, {0, 1});
    EXPECT_EQ(t->sounds.calls.last(), "stop");
    EXPECT_EQ(t->app->sound, nullptr);
    EXPECT_EQ(playbackItems(), "NNN NNN");
    EXPECT_FALSE(t->app->timerHandleAudioTracks.isActive());
    EXPECT_TRUE(mainCommandsEnabled(true));
}

TEST_F(PreviewFixture, TwoRowsWithoutASoundKeepTheItemsAndPlayAsksForOne)
{
    listentries::add(*t, {tone("a.wav"), tone("b.wav")});
    ASSERT_TRUE(selectAndWaitPrepared({0}));
    listentries::select(t->app->tableviewVideoFiles, {0, 1});
    EXPECT_EQ(playbackItems(), "YNN YNN");
    t->app->OnUserToolbarPlay();
    ASSERT_EQ(t->prompts.alerts.size(), 1);
    EXPECT_EQ(t->prompts.alerts[0].message, "There is more than one audio file selected.");
    EXPECT_TRUE(t->sounds.calls.isEmpty());
}

TEST_F(PreviewFixture, ASoundStartedWhileTheNextPreviewIsMadeStopsWhenItIsReady)
{
    listentries::add(*t, {tone("a.wav"), tone("b.wav")});
    ASSERT_TRUE(selectAndWaitPrepared({0}));
    QSignalSpy prepared(t->app.get(), &AppDelegate::previewPrepared);
    listentries::select(t->app->tableviewVideoFiles, {1});
    t->app->OnUserToolbarPlay(); // still plays the preview of the first row
    ASSERT_EQ(t->app->i_PlayingStatus, 1);
    ASSERT_TRUE(prepared.wait(20000));
    EXPECT_EQ(t->sounds.calls.last(), "stop");
    EXPECT_EQ(t->app->sound, nullptr);
    EXPECT_EQ(t->app->i_PlayingStatus, 0);
    EXPECT_EQ(playbackItems(), "YNN YNN");
}

TEST_F(PreviewFixture, ThePictureOfALongFileShowsItsWaveformNotAFlatLine)
{
    // A minute of noise at half of full scale: its peaks reach a quarter of
    // the picture's height above and below the middle line.
    const QString noise = folder + "/noise.wav";
    ASSERT_EQ(child::runJoined(testenv::ffmpeg(), {"-v", "error", "-y", "-f", "lavfi", "-i",
                                                    "anoisesrc=d=60:c=pink:a=0.5", "-ac", "2", noise})
                  .exitCode,
              0);
    listentries::add(*t, {noise});
    ASSERT_TRUE(selectAndWaitPrepared({0}));
    const QImage picture(work("Spectrum0000.png"));
    ASSERT_FALSE(picture.isNull());
    int drawnRows = 0;
    for (int y = 0; y < picture.height(); ++y)
        if (qAlpha(picture.pixel(picture.width() / 2, y)) > 0)
            ++drawnRows;
    EXPECT_GT(drawnRows, picture.height() / 6);
}

TEST_F(PreviewFixture, AFileAddedFromTheWorkFolderIsNeitherDeletedNorOverwritten)
{
    const QString input = testenv::makeTone(work("kept.wav"), 2.0);
    ASSERT_FALSE(input.isEmpty());
    const qint64 size = QFileInfo(input).size();
    listentries::add(*t, {input});
    bool success = false;
    ASSERT_TRUE(selectAndWaitPrepared({0}, &success));
    EXPECT_TRUE(success);
    EXPECT_EQ(QFileInfo(input).size(), size);
    EXPECT_EQ(t->app->s_WAV_File, work("kept (preview).wav"));
    EXPECT_EQ(testenv::probe(t->app->s_WAV_File, "sample_rate"), "44100");
}
