// The Qt Multimedia sound on real files. Without a sound device the backend
// plays into a silent sink, where position, pause and seeking still work.
#include "platform/QtSound.h"
#include "TestApp.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QTest>
#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

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
} // namespace

TEST(QtSound, SeeksSetBeforePlayingAndPlaysOn)
{
    startSoundSystem();
    const QString path = toneFile(4.0);
    ASSERT_FALSE(path.isEmpty());
    QtSoundFactory factory(false);
    std::unique_ptr<ISound> sound = factory.open(path);
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
