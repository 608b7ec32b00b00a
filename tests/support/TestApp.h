// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application as a test drives it: the real main window, the controller,
// the real preferences store and files (in the test's private HOME) and
// scripted prompts, appearance, desktop and sound.
#include "Fakes.h"
#include "app/AppDelegate.h"
#include "app/MainWindow.h"
#include "platform/core/Preferences.h"

#include <memory>

namespace quavero {

class TestApp {
public:
    // Builds the window and the controller; start() runs start-up.
    TestApp();
    // The same with other pauses for the conversion run (shortened by tests).
    explicit TestApp(const RunTimings &timings);
    ~TestApp();
    bool start();

    FakePrompts prompts;
    FakeAppearance appearance;
    FakeDesktop desktop;
    FakeSoundFactory sounds;
    FakeNotifier notifier;
    QtPreferences preferences;
    Services services;
    int exitStatus = -1; // set when the controller ends the process
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<AppDelegate> app;
};

namespace testenv {
// The user's documents folder and the work folder under the test's HOME.
QString documentsFolder();
QString workFolder();
// Removes everything the preferences store and the work folder hold, for a first start.
void resetHome();
// Writes a short generated audio file with ffmpeg (a sine tone); returns its path.
QString makeTone(const QString &path, double seconds = 1.0, int rate = 44100, int channels = 2);
// A fresh empty folder below the test's HOME.
QString freshFolder(const QString &name);
// The ffmpeg and sox the build found.
QString ffmpeg();
QString sox();
// Runs ffprobe on a file and returns the value of one stream entry
// ("codec_name", "sample_rate", "channels") of its first audio stream.
QString probe(const QString &path, const QString &entry);
// Duration in seconds from ffprobe (format duration), -1 when unknown.
double probeDuration(const QString &path);
} // namespace testenv

} // namespace quavero
