// SPDX-License-Identifier: GPL-3.0-or-later
// Times a conversion run of the window against quavero-cli on the same files:
// the window driven offscreen through the controller's Convert command with
// "Convert 2 files at once" and no pause between files, against
// `quavero-cli -q -j 2` to the same format; and, for comparison, the window
// with the start settings (one file at a time, 2 s between files).
//
// Usage: bench_run [files] [seconds] [rounds]   (default 12 files of 10 s, 3 rounds)
// The window and the command line take turns, round after round, and the
// medians are compared. Target: window / quavero-cli at most 1.1, the window's
// run timed from the folder choice (where its run begins; Convert first checks
// that ffmpeg starts, which quavero-cli does not), and also shown from Convert.
// The program uses a throw-away HOME of its own: the controller keeps its
// settings there.
#include "app/AppDelegate.h"
#include "app/MainWindow.h"
#include "app/PreferenceKeys.h"
#include "app/QtServices.h"
#include "platform/core/ChildProcess.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

using namespace quavero;

namespace {
// Answers the folder chooser with the folder of the round and every alert
// with "Close", so that a run ends without anyone at the keyboard. The run
// begins when the folder is chosen: its clock starts there.
class ScriptedPrompts : public QtPrompts {
public:
    QString destination;
    QElapsedTimer chosen;
    int alert(const QString &, const QString &, const QStringList &buttons, AlertKind) override
    {
        return int(buttons.size()) - 1;
    }
    int alertWithDetails(const QString &, const QString &, const QString &, const QStringList &buttons, AlertKind) override
    {
        return int(buttons.size()) - 1;
    }
    QString chooseDestinationFolder(const QString &, const QString &) override
    {
        chosen.start();
        return destination;
    }
};

bool makeFiles(const QString &ffmpeg, const QString &folder, int count, int seconds)
{
    QList<int> numbers;
    for (int i = 0; i < count; ++i)
        numbers << i;
    const QList<bool> made = QtConcurrent::blockingMapped(numbers, [&](int i) {
        const QString tone =
            QStringLiteral("sine=frequency=%1:sample_rate=44100:duration=%2").arg(200 + 10 * i).arg(seconds);
        const JoinedRun run =
            child::runJoined(ffmpeg, {"-v", "error", "-y", "-f", "lavfi", "-i", tone, "-ac", "2", "-c:a", "pcm_s16le",
                                      QStringLiteral("%1/track %2.wav").arg(folder).arg(i, 2, 10, QLatin1Char('0'))});
        return run.exitCode == 0;
    });
    return !made.contains(false);
}

int filesIn(const QString &folder) { return int(QDir(folder).entryList(QDir::Files).size()); }

QString freshFolder(const QString &path)
{
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return path;
}

// Seconds from Convert to the end of the run; -1 when a file is missing.
struct WindowTime {
    double fromConvert = -1; // Convert pressed: the check of the programs, then the run
    double run = -1;         // from the folder choice to the end of the run
};

WindowTime timeWindow(AppDelegate &app, ScriptedPrompts &prompts, IPreferences &prefs, const QString &out, int atOnce,
                      bool pause, int expected)
{
    prefs.setString(prefkeys::kFilesAtOnce, QString::number(atOnce));
    prefs.setString(prefkeys::kPauseBetweenFiles, pause ? QStringLiteral("1") : QStringLiteral("0"));
    prompts.destination = freshFolder(out);
    QEventLoop loop;
    QObject::connect(&app, &AppDelegate::conversionFinished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    app.OnUserToolbarConvert();
    if (app.isConverting())
        loop.exec();
    WindowTime time;
    if (filesIn(out) == expected) {
        time.fromConvert = clock.nsecsElapsed() / 1e9;
        time.run = prompts.chosen.nsecsElapsed() / 1e9;
    }
    return time;
}

double timeCli(const QString &cli, const QString &in, const QString &out, int jobs, int expected)
{
    freshFolder(out);
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.start(cli, {"-q", "-j", QString::number(jobs), "-f", "mp3", "-o", out, in});
    if (!process.waitForFinished(-1) || process.exitCode() != 0)
        return -1;
    const double seconds = clock.nsecsElapsed() / 1e9;
    return filesIn(out) == expected ? seconds : -1;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DOCUMENTS_DIR");
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quavero"));
    QApplication::setOrganizationName(QStringLiteral("Quavero"));
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 12;
    const int seconds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 10;
    const int rounds = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 3;
    if (count <= 0 || seconds <= 0 || rounds <= 0) {
        std::fprintf(stderr, "usage: bench_run [files] [seconds] [rounds]\n");
        return 2;
    }
    const QString cli = QCoreApplication::applicationDirPath() + QStringLiteral("/quavero-cli");
    if (!QFileInfo(cli).isExecutable()) {
        std::fprintf(stderr, "quavero-cli not found beside this program: build it (target quavero-cli)\n");
        return 1;
    }

    QtServices platform;
    ScriptedPrompts prompts;
    Services services = platform.services;
    services.prompts = &prompts;
    services.notifier = nullptr;
    services.exitProcess = [](int status) { std::exit(status); };
    MainWindow window;
    AppDelegate app(services);
    app.awakeFromNib(&window);
    if (!app.applicationDidFinishLaunching())
        return 1;
    window.hide();
    app.m_i_Output_Format = 8; // .MP3, the same default options as quavero-cli -f mp3

    const QString in = freshFolder(home.path() + QStringLiteral("/in"));
    std::printf("making %d WAV files of %d s...\n", count, seconds);
    std::fflush(stdout);
    if (!makeFiles(app.sffmpegPath, in, count, seconds)) {
        std::fprintf(stderr, "could not make the files with %s\n", qPrintable(app.sffmpegPath));
        return 1;
    }
    QEventLoop adding;
    QObject::connect(&app, &AppDelegate::addFinished, &adding, &QEventLoop::quit);
    app.addPaths({in});
    if (app.isAdding())
        adding.exec();
    if (app.arrayVideoFiles.count() != count) {
        std::fprintf(stderr, "the list holds %d files instead of %d\n", app.arrayVideoFiles.count(), count);
        return 1;
    }

    const QString out = home.path() + QStringLiteral("/out");
    // A first run of each warms the disk cache and the programs' start-up.
    timeCli(cli, in, out, 2, count);
    QList<double> windowTimes, fromConvertTimes, cliTimes;
    for (int round = 1; round <= rounds; ++round) {
        const WindowTime window = timeWindow(app, prompts, *services.preferences, out, 2, false, count);
        windowTimes << window.run;
        fromConvertTimes << window.fromConvert;
        cliTimes << timeCli(cli, in, out, 2, count);
        if (windowTimes.last() <= 0 || cliTimes.last() <= 0) {
            std::fprintf(stderr, "a run did not convert every file\n");
            return 1;
        }
        std::printf("round %d: window 2 at once, no pause %.2f s; quavero-cli -j 2 %.2f s\n", round, windowTimes.last(),
                    cliTimes.last());
        std::fflush(stdout);
    }
    const double seed = timeWindow(app, prompts, *services.preferences, out, 1, true, count).run;
    if (seed <= 0) {
        std::fprintf(stderr, "the run with the start settings did not convert every file\n");
        return 1;
    }
    const double win = median(windowTimes);
    const double line = median(cliTimes);
    std::printf("files:                                  %d of %d s, to .MP3\n", count, seconds);
    std::printf("window, 2 at once, no pause (the run):  %.2f s (median of %d)\n", win, rounds);
    std::printf("quavero-cli -j 2:                       %.2f s (median of %d)\n", line, rounds);
    std::printf("window / quavero-cli:                   %.3f (target <= 1.1)\n", win / line);
    std::printf("window from Convert (programs checked): %.2f s, %.3f of quavero-cli\n", median(fromConvertTimes),
                median(fromConvertTimes) / line);
    std::printf("window, start settings (1, 2 s pause):  %.2f s (once)\n", seed);
    std::printf("start settings / quavero-cli -j 2:      %.2f\n", seed / line);
    return 0;
}
