// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestApp.h"

#include "platform/core/BundledPrograms.h"
#include "platform/core/ChildProcess.h"
#include "platform/core/FileSystem.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QFileInfo>

namespace quavero {

TestApp::TestApp() : TestApp(RunTimings{}) {}

TestApp::TestApp(const RunTimings &timings)
{
    services.timings = timings;
    services.preferences = &preferences;
    services.prompts = &prompts;
    services.appearance = &appearance;
    services.desktop = &desktop;
    services.sounds = &sounds;
    services.notifier = &notifier;
    services.exitProcess = [this](int status) { exitStatus = status; };
    window = std::make_unique<MainWindow>();
    window->resize(900, 560);
    app = std::make_unique<AppDelegate>(services);
    app->awakeFromNib(window.get());
}

TestApp::~TestApp()
{
    app.reset();
    window.reset();
}

bool TestApp::start() { return app->applicationDidFinishLaunching(); }

namespace testenv {
QString documentsFolder() { return fs::documentsFolder(); }

QString workFolder() { return QDir::cleanPath(documentsFolder() + QStringLiteral("/Quavero")); }

void resetHome()
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quavero"), QStringLiteral("Quavero"));
    settings.clear();
    settings.sync();
    if (fs::exists(workFolder()))
        fs::remove(workFolder());
}

QString makeTone(const QString &path, double seconds, int rate, int channels)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const JoinedRun run =
        child::runJoined(ffmpeg(), {"-v", "error", "-y", "-f", "lavfi", "-i",
                                    QStringLiteral("sine=frequency=440:sample_rate=%1:duration=%2").arg(rate).arg(seconds),
                                    "-ac", QString::number(channels), path});
    return run.exitCode == 0 ? path : QString();
}

QString freshFolder(const QString &name)
{
    const QString path = QDir::homePath() + QStringLiteral("/") + name;
    if (fs::exists(path))
        fs::remove(path);
    QDir().mkpath(path);
    return path;
}

QString ffmpeg() { return QStandardPaths::findExecutable(QStringLiteral("ffmpeg")); }

QString sox() { return QStandardPaths::findExecutable(QStringLiteral("sox")); }

QString probe(const QString &path, const QString &entry)
{
    const JoinedRun run =
        child::runJoined(QStringLiteral("ffprobe"),
                         {"-v", "error", "-select_streams", "a:0", "-show_entries", QStringLiteral("stream=") + entry,
                          "-of", "default=noprint_wrappers=1:nokey=1", path});
    return QString::fromUtf8(run.output).trimmed();
}

double probeDuration(const QString &path)
{
    const JoinedRun run = child::runJoined(QStringLiteral("ffprobe"), {"-v", "error", "-show_entries", "format=duration",
                                                                       "-of", "default=noprint_wrappers=1:nokey=1", path});
    bool ok = false;
    const double d = QString::fromUtf8(run.output).trimmed().toDouble(&ok);
    return ok ? d : -1;
}
} // namespace testenv

} // namespace quavero
