// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt Multimedia sound on real files. Without a sound device the backend
// plays into a silent sink, where position, pause and seeking still work.
#include "PreviewFixture.h"
#include "platform/QtSound.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QTest>
#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace quavero {

namespace {
// Starts the sound system once. Its client library keeps what it allocated
// for a failed connection to a sound server (a build machine has none); that
// is none of this program's memory, so the leak checker looks away here only.
void startSoundSystem()
{
    static bool started = false;
    if (started)
        return;
    started = true;
#if defined(__SANITIZE_ADDRESS__)
    __lsan_disable();
#endif
    QMediaDevices::audioOutputs();
    QtSoundFactory(false).open(QStringLiteral("/nonexistent.wav"));
#if defined(__SANITIZE_ADDRESS__)
    __lsan_enable();
#endif
}

QString toneFile(double seconds)
{
    const QString folder = testenv::freshFolder("qtsound");
    return testenv::makeTone(folder + "/tone.wav", seconds);
}

// A sound on a fresh tone of the given length, played by the backend's
// silent sink when the machine has no sound device; none if no tone was made.
std::unique_ptr<ISound> toneSound(double seconds)
{
    startSoundSystem();
    const QString path = toneFile(seconds);
    return path.isEmpty() ? nullptr : QtSoundFactory(false).open(path);
}
} // namespace

TEST(QtSound, SeeksSetBeforePlayingAndPlaysOn)
{
    std::unique_ptr<ISound> sound = toneSound(4.0);
    ASSERT_NE(sound, nullptr);
    sound->setCurrentTime(2.0);
    ASSERT_TRUE(sound->play()) << sound->errorText().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return sound->currentTime() >= 2.3; }, 5000)) << sound->currentTime();
    sound->pause();
    sound->stop();
}

TEST(QtSound, AMissingFileCannotBePlayed)
{
    startSoundSystem();
    QtSoundFactory factory(false);
    std::unique_ptr<ISound> sound = factory.open(testenv::freshFolder("qtsound") + "/gone.wav");
    EXPECT_FALSE(sound->play());
    EXPECT_TRUE(sound->errorText().contains("missing"));
}

TEST(QtSound, AnUnreadableFileIsReportedAndTheHandlerMayDropTheSound)
{
    startSoundSystem();
    const QString path = testenv::freshFolder("qtsound") + "/noise.wav";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("RIFF and nothing after it");
    file.close();

    QtSoundFactory factory(false);
    std::unique_ptr<ISound> sound = factory.open(path);
    QString reason;
    sound->setErrorHandler([&](const QString &text) {
        reason = text;
        sound.reset();
    });
    sound->play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return sound == nullptr; }, 5000));
    EXPECT_FALSE(reason.isEmpty());
}

TEST(QtSound, WithoutAnOutputDevicePlayingFailsWithAReason)
{
    startSoundSystem();
    if (!QMediaDevices::audioOutputs().isEmpty())
        GTEST_SKIP() << "this machine has a sound output device";
    const QString path = toneFile(1.0);
    QtSoundFactory factory;
    std::unique_ptr<ISound> sound = factory.open(path);
    EXPECT_FALSE(sound->play());
    EXPECT_EQ(sound->errorText(), "no sound output device was found");
}

TEST(QtSound, TellsWhenAShortFileHasPlayedToItsEnd)
{
    std::unique_ptr<ISound> sound = toneSound(0.4);
    ASSERT_NE(sound, nullptr);
    int ends = 0;
    sound->setEndHandler([&] {
        ++ends;
        sound.reset(); // the handler may drop the sound
    });
    ASSERT_TRUE(sound->play()) << sound->errorText().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ends > 0; }, 10000));
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(sound, nullptr);
}

TEST(QtSound, PauseThenPlayGoesOnFromThePausedPoint)
{
    std::unique_ptr<ISound> sound = toneSound(4.0);
    ASSERT_NE(sound, nullptr);
    ASSERT_TRUE(sound->play()) << sound->errorText().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return sound->currentTime() >= 0.6; }, 5000));
    sound->pause();
    const double paused = sound->currentTime();
    // Paused, the position stays where it is.
    double before = paused;
    EXPECT_FALSE(QTest::qWaitFor(
        [&] {
            const double now = sound->currentTime();
            const bool moved = qAbs(now - before) > 0.05;
            before = now;
            return moved;
        },
        400));
    const double resumedFrom = sound->currentTime();
    ASSERT_TRUE(sound->play());
    ASSERT_TRUE(QTest::qWaitFor([&] { return sound->currentTime() > resumedFrom + 0.2; }, 5000));
    // Going on, not starting over or going back by a part of a second.
    EXPECT_GE(sound->currentTime(), paused);
    EXPECT_LT(sound->currentTime(), resumedFrom + 1.5);
    sound->stop();
}

// The whole preview with the real sound: a short file plays to its end and
// the window shows playback as stopped.
TEST_F(PreviewFixture, WithTheRealSoundTheEndOfAPreviewStopsPlayback)
{
    startSoundSystem();
    QtSoundFactory real(false);
    t->sounds.real = &real;
    listentries::add(*t, {tone("short.wav", 0.5)});
    ASSERT_TRUE(selectAndWaitPrepared({0}));
    t->app->OnUserToolbarPlay();
    ASSERT_EQ(t->app->i_PlayingStatus, 1) << t->prompts.alerts.size();
    ASSERT_TRUE(QTest::qWaitFor([&] { return t->app->i_PlayingStatus == 0; }, 10000));
    EXPECT_EQ(t->app->sound, nullptr);
    EXPECT_EQ(playbackItems(), "YNN YNN");
    EXPECT_FALSE(t->app->timerHandleAudioPosition.isActive());

    // Play again: from the start, to the end once more.
    t->app->OnUserToolbarPlay();
    ASSERT_EQ(t->app->i_PlayingStatus, 1);
    EXPECT_LT(t->app->sound->currentTime(), 0.3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return t->app->i_PlayingStatus == 0; }, 10000));
}

} // namespace quavero
