// SPDX-License-Identifier: GPL-3.0-or-later
// The run window over a real run: the settings of the Preferences dialog read
// at each run, several files at once, what the window says while it converts,
// and the notification at the end.
#include "RunSupport.h"

#include "app/PreferenceKeys.h"
#include "convert/Window_Preferences.h"
#include "convert/core/RunNotice.h"
#include "convert/engine/ConversionRun.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFileInfo>
#include <QDialogButtonBox>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>

namespace quavero {

using namespace runsupport;

namespace {
class RunWindow : public RunFixture {
protected:
    // Presses Convert and returns the pacing of the run it started.
    RunPacing startRun()
    {
        t.prompts.destinationAnswers.enqueue(out);
        t.app->OnUserToolbarConvert();
        return t.app->conversionRun ? t.app->conversionRun->pacing() : RunPacing{-1, -1, -1};
    }
    bool waitForEnd(QSignalSpy &finished) { return finished.count() > 0 || finished.wait(60000); }
};

bool operator==(const RunPacing &a, const RunPacing &b)
{
    return a.firstDelayMs == b.firstDelayMs && a.pauseMs == b.pauseMs && a.filesAtOnce == b.filesAtOnce;
}
} // namespace

TEST_F(RunWindow, ThePreferencesAreReadAtEachRun)
{
    addTone(t, in + "/a.wav", 0.2);
    QSignalSpy finished(t.app.get(), &AppDelegate::conversionFinished);
    // Nothing stored: one at a time with the pause.
    EXPECT_TRUE(startRun() == (RunPacing{10, 50, 1}));
    ASSERT_TRUE(waitForEnd(finished));

    t.preferences.setString(prefkeys::kFilesAtOnce, "2");
    t.preferences.setString(prefkeys::kPauseBetweenFiles, "0");
    EXPECT_TRUE(startRun() == (RunPacing{10, 0, 2}));
    ASSERT_TRUE(finished.wait(60000));

    // A number beyond the processors is brought down to them.
    t.preferences.setString(prefkeys::kFilesAtOnce, "999");
    t.preferences.setString(prefkeys::kPauseBetweenFiles, "1");
    EXPECT_TRUE(startRun() == (RunPacing{10, 50, qMax(1, QThread::idealThreadCount())}));
    ASSERT_TRUE(finished.wait(60000));
}

TEST_F(RunWindow, ThePreferencesDialogStoresBothSettingsOnOkOnly)
{
    t.app->OnMenuPreferences();
    ASSERT_TRUE(t.app->windowPreferences);
    auto *spin = t.app->windowPreferences->findChild<QSpinBox *>("spinFilesAtOnce");
    auto *pause = t.app->windowPreferences->findChild<QCheckBox *>("checkPauseBetweenFiles");
    ASSERT_TRUE(spin && pause);
    EXPECT_EQ(spin->value(), 1);
    EXPECT_EQ(spin->maximum(), qMax(1, QThread::idealThreadCount()));
    EXPECT_TRUE(pause->isChecked());
    EXPECT_EQ(spin->text(), "Convert 1 file at once");
    EXPECT_EQ(pause->text(), "Pause 2 seconds between files");

    spin->setValue(spin->maximum());
    pause->setChecked(false);
    t.app->windowPreferences->reject();
    EXPECT_FALSE(t.preferences.contains(prefkeys::kFilesAtOnce));
    EXPECT_FALSE(t.preferences.contains(prefkeys::kPauseBetweenFiles));

    ASSERT_TRUE(QTest::qWaitFor([&] { return t.app->windowPreferences.isNull(); }, 5000));
    t.app->OnMenuPreferences();
    spin = t.app->windowPreferences->findChild<QSpinBox *>("spinFilesAtOnce");
    pause = t.app->windowPreferences->findChild<QCheckBox *>("checkPauseBetweenFiles");
    spin->setValue(spin->maximum());
    pause->setChecked(false);
    t.app->windowPreferences->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(t.preferences.string(prefkeys::kFilesAtOnce), QString::number(spin->maximum()));
    EXPECT_EQ(t.preferences.string(prefkeys::kPauseBetweenFiles), "0");

    // The menu item and its place.
    auto *item = t.window->findChild<QAction *>("menuItemPreferences");
    ASSERT_TRUE(item);
    EXPECT_EQ(item->text(), "&Preferences…");
    // Always reachable from the keyboard, and never on the options' Ctrl+,.
    ASSERT_FALSE(item->shortcuts().isEmpty());
    const QList<QKeySequence> platformKeys = QKeySequence::keyBindings(QKeySequence::Preferences);
    EXPECT_EQ(item->shortcuts(),
              platformKeys.isEmpty() ? QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Shift+,"))} : platformKeys);
    EXPECT_FALSE(item->shortcuts().contains(t.window->findChild<QAction *>("menuItemFormatOptions")->shortcut()));
}

TEST_F(RunWindow, SeveralFilesAtOnceConvertEveryFileAndReportTheFailure)
{
    t.preferences.setString(prefkeys::kFilesAtOnce, "2");
    t.preferences.setString(prefkeys::kPauseBetweenFiles, "0");
    addTone(t, in + "/a.wav", 3);
    QFile bad(in + "/bad.wav");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("no audio here");
    bad.close();
    t.app->arrayVideoFiles.append(testentries::entryFor(bad.fileName(), 0));
    addTone(t, in + "/c.wav", 1);
    addTone(t, in + "/d.wav", 2);
    QSignalSpy finished(t.app.get(), &AppDelegate::conversionFinished);
    startRun();
    QPointer<ConversionRun> run = t.app->conversionRun;
    ASSERT_TRUE(QTest::qWaitFor([&] { return run && run->isConvertingEntry(); }, 10000));
    EXPECT_EQ(run->progress().running, (QList<int>{0, 1})); // the first step starts two
    // The user turns to another window while the files convert.
    QWidget elsewhere;
    elsewhere.resize(200, 100);
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    ASSERT_TRUE(waitForEnd(finished));

    ASSERT_EQ(t.prompts.alerts.size(), 1);
    EXPECT_EQ(t.prompts.alerts.at(0).message, "1 of 4 files could not be converted.");
    EXPECT_TRUE(t.prompts.alerts.at(0).informative.startsWith("bad.wav: "))
        << t.prompts.alerts.at(0).informative.toStdString();
    for (const QString name : {"a", "c", "d"})
        EXPECT_NEAR(testenv::probeDuration(out + "/" + name + ".mp3"),
                    name == QLatin1String("a")   ? 3
                    : name == QLatin1String("c") ? 1
                                                 : 2,
                    0.1);
    // The main window was not active: the desktop says how it went.
    EXPECT_EQ(t.notifier.sent, QStringList{"Conversion finished: 3 files converted, 1 failed."});
}

TEST_F(RunWindow, TheWindowSaysWhichFileConvertsAndHowLongIsLeft)
{
    addTone(t, in + "/first long.wav", 240);
    addTone(t, in + "/second.wav", 240);
    t.app->m_i_Output_Format = 9; // .OGG: slow enough to be watched
    QSignalSpy finished(t.app.get(), &AppDelegate::conversionFinished);
    startRun();
    Window_Convert *sheet = t.app->windowConvert;
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->progress->text(), "0 of 2");
    EXPECT_EQ(sheet->filesText(), "Starting…");
    ASSERT_TRUE(QTest::qWaitFor([&] { return sheet->filesText() == "Converting first long.wav"; }, 10000))
        << sheet->filesText().toStdString();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return sheet->timeLeftText().startsWith("About") || sheet->timeLeftText() == "Almost done"; }, 30000))
        << sheet->timeLeftText().toStdString();
    QPointer<Window_Convert> watched = sheet;
    sheet->OnUserCancel();
    ASSERT_TRUE(waitForEnd(finished));
    EXPECT_TRUE(QTest::qWaitFor([&] { return watched.isNull(); }, 60000));
    // A cancelled run shows no alert and sends no notification.
    EXPECT_TRUE(t.prompts.alerts.isEmpty());
    EXPECT_TRUE(t.notifier.sent.isEmpty());
}

TEST_F(RunWindow, NoNotificationWhileTheMainWindowIsActive)
{
    t.window->show();
    QApplication::setActiveWindow(t.window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.window.get()));
    addTone(t, in + "/a.wav", 0.2);
    QSignalSpy finished(t.app.get(), &AppDelegate::conversionFinished);
    startRun();
    ASSERT_TRUE(waitForEnd(finished));
    EXPECT_EQ(t.prompts.alerts.size(), 1);
    EXPECT_TRUE(t.notifier.sent.isEmpty());
}

TEST(RunNoticeText, SaysHowManyWereConvertedAndFailed)
{
    EXPECT_EQ(runnotice::forRun(1, 0).body, "1 file converted.");
    EXPECT_EQ(runnotice::forRun(12, 0).body, "12 files converted.");
    EXPECT_EQ(runnotice::forRun(1, 2).body, "1 file converted, 2 failed.");
    EXPECT_EQ(runnotice::forRun(0, 3).body, "0 files converted, 3 failed.");
    EXPECT_EQ(runnotice::forRun(0, 3).summary, "Conversion finished");
}

// A library kept in step from the window: the three settings of the
// Preferences dialog, and a second run that finds nothing to do.
TEST_F(RunWindow, AWindowRunSkipsWhatIsUpToDateWhenPreferencesSaySo)
{
    t.app->OnMenuPreferences();
    ASSERT_TRUE(t.app->windowPreferences);
    for (const char *name : {"checkSkipUpToDate", "checkDeleteOrphans", "checkCopySameFormat"}) {
        auto *check = t.app->windowPreferences->findChild<QCheckBox *>(name);
        ASSERT_TRUE(check) << name;
        EXPECT_FALSE(check->isChecked()) << name << " is on from the start";
    }
    t.app->windowPreferences->findChild<QCheckBox *>("checkSkipUpToDate")->setChecked(true);
    t.app->windowPreferences->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(t.preferences.string(prefkeys::kSkipUpToDate), "1");
    EXPECT_EQ(t.preferences.string(prefkeys::kDeleteOrphans), "0");
    EXPECT_EQ(t.preferences.string(prefkeys::kCopySameFormat), "0");

    addTone(t, in + "/a.wav", 0.3);
    addTone(t, in + "/b.wav", 0.3);
    ASSERT_TRUE(convertInto(t, out));
    ASSERT_EQ(t.prompts.alerts.size(), 1);
    EXPECT_EQ(t.prompts.alerts.at(0).message, "Success");
    const QDateTime made = QFileInfo(out + "/a.mp3").lastModified();

    ASSERT_TRUE(convertInto(t, out));
    ASSERT_EQ(t.prompts.alerts.size(), 2);
    EXPECT_EQ(t.prompts.alerts.at(1).message, "Everything is up to date");
    EXPECT_EQ(t.prompts.alerts.at(1).informative, "All 2 files were converted before and have not changed since.");
    EXPECT_EQ(QFileInfo(out + "/a.mp3").lastModified(), made);
}

} // namespace quavero
