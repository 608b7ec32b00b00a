// Times adding a folder of short audio files to the file list, through the
// same controller path that Add Folder and dropped folders take: once with one
// duration probe at a time and once with one probe per processor core.
//
// Usage: bench_add_files [count] [rounds]   (default 200 files, 3 rounds)
// The two ways take turns, round after round, and the medians are compared, so
// that a change of the machine's load during the run weighs on both alike.
// Run it with a throw-away HOME: the controller reads its settings from there.
#include "app/AppDelegate.h"
#include "app/MainWindow.h"
#include "app/QtServices.h"
#include "platform/core/BundledPrograms.h"
#include "platform/core/ChildProcess.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QThread>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {
// Short MP3s of different lengths, as a real music folder would hold.
bool makeFiles(const QString &ffmpeg, const QString &folder, int count)
{
    QList<int> numbers;
    for (int i = 0; i < count; ++i)
        numbers << i;
    const QList<bool> made = QtConcurrent::blockingMapped(numbers, [&](int i) {
        const QString tone = QStringLiteral("sine=frequency=%1:sample_rate=44100:duration=%2")
                                 .arg(220 + i)
                                 .arg(1.0 + (i % 5) * 0.5);
        const JoinedRun run = child::runJoined(
            ffmpeg, {"-v", "error", "-y", "-f", "lavfi", "-i", tone, "-ac", "2", "-c:a", "libmp3lame", "-b:a", "128k",
                     QStringLiteral("%1/track %2.mp3").arg(folder).arg(i, 3, 10, QLatin1Char('0'))});
        return run.exitCode == 0;
    });
    return !made.contains(false);
}

// Seconds taken to add every file of folder with the given number of probes
// at once (0: one per core); -1 when the add did not end.
double timeAdd(AppDelegate &app, const QString &folder, int probes, int expected)
{
    app.arrayVideoFiles.clear();
    app.refreshTableVideoFiles();
    app.addProbeJobs = probes;
    QEventLoop loop;
    QObject::connect(&app, &AppDelegate::addFinished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    app.addPaths({folder});
    if (app.isAdding())
        loop.exec();
    const double seconds = clock.nsecsElapsed() / 1e9;
    return app.arrayVideoFiles.count() == expected ? seconds : -1;
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
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 200;
    const int rounds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 3;
    if (count <= 0 || rounds <= 0) {
        std::fprintf(stderr, "usage: bench_add_files [count] [rounds]\n");
        return 2;
    }

    QtServices platform;
    platform.services.exitProcess = [](int status) { std::exit(status); };

    MainWindow window;
    AppDelegate app(platform.services);
    app.awakeFromNib(&window);
    if (!app.applicationDidFinishLaunching())
        return 1;
    window.hide();

    QTemporaryDir folder;
    std::printf("making %d short MP3 files...\n", count);
    std::fflush(stdout);
    if (!folder.isValid() || !makeFiles(app.sffmpegPath, folder.path(), count)) {
        std::fprintf(stderr, "could not make the files with %s\n", qPrintable(app.sffmpegPath));
        return 1;
    }

    // A first add warms the disk cache and ffmpeg's own start-up for both ways.
    timeAdd(app, folder.path(), 0, count);
    QList<double> sequential, parallel;
    for (int round = 1; round <= rounds; ++round) {
        sequential << timeAdd(app, folder.path(), 1, count);
        parallel << timeAdd(app, folder.path(), 0, count);
        if (sequential.last() <= 0 || parallel.last() <= 0) {
            std::fprintf(stderr, "an add did not take every file\n");
            return 1;
        }
        std::printf("round %d: one probe at a time %.2f s, one per core %.2f s\n", round, sequential.last(),
                    parallel.last());
        std::fflush(stdout);
    }
    const double seq = median(sequential);
    const double par = median(parallel);
    std::printf("files:                      %d\n", count);
    std::printf("one probe at a time:        %.2f s (median of %d)\n", seq, rounds);
    std::printf("%2d probes at a time:        %.2f s (median of %d)\n", QThread::idealThreadCount(), par, rounds);
    std::printf("parallel / sequential:      %.2f\n", par / seq);
    return 0;
}
