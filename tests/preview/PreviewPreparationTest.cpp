// SPDX-License-Identifier: GPL-3.0-or-later
// Selecting one row makes its preview WAV and waveform picture with the real
// ffmpeg, with the main commands disabled meanwhile.
#include "PreviewFixture.h"

#include "platform/Sound.h"
#include "platform/core/ChildProcess.h"
#include "preview/JoinedChild.h"
#include "preview/View_Audio_Wave.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>

namespace quavero {

namespace {
bool exists(const QString &path) { return QFileInfo(path).isFile(); }

// A file named like audio that holds none; its path, or "" when it cannot be written.
QString notAudio(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("this is no audio");
    return path;
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
    const QString broken = notAudio(folder + "/broken.mp3");
    ASSERT_FALSE(broken.isEmpty());
    listentries::add(*t, {broken});
    t->app->s_WAV_File = "/earlier/preview.wav";

    bool success = true;
    ASSERT_TRUE(selectAndWaitPrepared({0}, &success));
    EXPECT_FALSE(success);
    ASSERT_EQ(t->prompts.alerts.size(), 1);
    EXPECT_EQ(t->prompts.alerts[0].message, "Audio file could not be opened.");
    EXPECT_EQ(t->prompts.alerts[0].informative, "Audio file could not be opened.");
    EXPECT_EQ(t->prompts.alerts[0].buttons, QStringList({"Close"}));
    // No preview of the selected file: nothing for Play to play.
    EXPECT_EQ(t->app->s_WAV_File, "");
    EXPECT_EQ(t->app->i_PlayingStatus, 0);
    EXPECT_EQ(playbackItems(), "NNN NNN");
    EXPECT_TRUE(QTest::qWaitFor([&] { return mainCommandsEnabled(true); }, 2000));
}

TEST_F(PreviewFixture, AfterAFailedPreviewPlayDoesNotPlayThePreviousFile)
{
    const QString broken = notAudio(folder + "/broken.mp3");
    ASSERT_FALSE(broken.isEmpty());
    listentries::add(*t, {tone("good.wav"), broken});
    ASSERT_TRUE(selectAndWaitPrepared({0}));
    ASSERT_EQ(playbackItems(), "YNN YNN");

    bool success = true;
    ASSERT_TRUE(selectAndWaitPrepared({1}, &success));
    ASSERT_FALSE(success);
    EXPECT_EQ(playbackItems(), "NNN NNN");
    t->app->OnUserToolbarPlay();
    t->app->OnMenuPlayPause();
    EXPECT_TRUE(t->sounds.calls.isEmpty());
    EXPECT_EQ(t->app->i_PlayingStatus, 0);

    // The good file selected again has its own preview to play.
    ASSERT_TRUE(selectAndWaitPrepared({0}));
    t->app->OnUserToolbarPlay();
    EXPECT_EQ(t->sounds.calls, QStringList({"open " + work("good.wav"), "play"}));
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

TEST_F(PreviewFixture, PlayWaitsForThePreviewOfTheNewlySelectedRow)
{
    listentries::add(*t, {tone("a.wav"), tone("b.wav")});
    ASSERT_TRUE(selectAndWaitPrepared({0}));
    QSignalSpy prepared(t->app.get(), &AppDelegate::previewPrepared);
    listentries::select(t->app->tableviewVideoFiles, {1});
    EXPECT_EQ(playbackItems(), "NNN NNN");
    t->app->OnUserToolbarPlay(); // the first row's preview is not the selected file's
    EXPECT_TRUE(t->sounds.calls.isEmpty());
    EXPECT_EQ(t->app->i_PlayingStatus, 0);
    ASSERT_TRUE(prepared.wait(20000));
    EXPECT_EQ(playbackItems(), "YNN YNN");
    t->app->OnUserToolbarPlay();
    EXPECT_EQ(t->sounds.calls, QStringList({"open " + work("b.wav"), "play"}));
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

namespace {
// An ffmpeg that draws no waveform picture for inputs whose name holds
// "nopicture", and takes two minutes over one for names with "slowpicture".
QString pictureTroubleFfmpeg(const QString &folder)
{
    const QString wrapper = folder + "/picture-ffmpeg";
    QFile script(wrapper);
    if (!script.open(QIODevice::WriteOnly))
        return QString();
    script.write(QStringLiteral("#!/bin/sh\n"
                                "case \"$*\" in *nopicture*showwavespic*) exit 1;; "
                                "*slowpicture*showwavespic*) exec sleep 120;; esac\n"
                                "exec '%1' \"$@\"\n")
                     .arg(testenv::ffmpeg())
                     .toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    return wrapper;
}

bool isBlack(const QImage &image)
{
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            if ((image.pixel(x, y) & 0xffffff) != 0)
                return false;
    return true;
}
} // namespace

TEST_F(PreviewFixture, ThePaneKeepsTheLastGoodPictureWhileTheNextIsMadeAndWhenItFails)
{
    t->app->sffmpegPath = pictureTroubleFfmpeg(folder);
    ASSERT_FALSE(t->app->sffmpegPath.isEmpty());
    listentries::add(*t, {tone("good.wav"), tone("nopicture.wav"), tone("slowpicture.wav")});
    View_Audio_Wave *pane = t->app->viewAudioPlot;
    pane->resize(400, 120);
    ASSERT_TRUE(selectAndWaitPrepared({0}));
    const QImage good = pane->grab().toImage();
    ASSERT_FALSE(isBlack(good));
    EXPECT_EQ(pane->shownFile(), "good.wav");

    bool success = false;
    ASSERT_TRUE(selectAndWaitPrepared({1}, &success));
    EXPECT_TRUE(success); // the preview WAV was made, only its picture was not
    EXPECT_EQ(pane->grab().toImage(), good);
    EXPECT_EQ(pane->shownFile(), "good.wav");

    // While a picture is being drawn, and after it was abandoned for another
    // selection, the pane shows the last complete one.
    listentries::select(t->app->tableviewVideoFiles, {2});
    ASSERT_TRUE(QTest::qWaitFor([&] { return t->app->iCurrentSpectrumIndex == 3 && t->app->previewChild; }, 20000));
    EXPECT_EQ(pane->grab().toImage(), good);
    listentries::select(t->app->tableviewVideoFiles, {1});
    ASSERT_TRUE(QTest::qWaitFor([&] { return t->app->iCurrentSpectrumIndex == 4 && !t->app->previewChild; }, 20000));
    EXPECT_EQ(pane->grab().toImage(), good);
    EXPECT_FALSE(QFileInfo::exists(work("Spectrum0002.png")));
}

} // namespace quavero
