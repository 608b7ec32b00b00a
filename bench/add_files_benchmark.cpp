// SPDX-License-Identifier: GPL-3.0-or-later
// Times adding files to the file list through the same controller path that
// Add Folder and dropped folders take, and how the table copes with a big list.
//
//   bench_add_files probes [count] [rounds]   (default 600 files, 1 round)
//     The same folder added three ways: lone probes ("ffmpeg -i f") one after
//     the other, lone probes one per processor core, and batched probes (one
//     ffmpeg for up to 64 files, one batch per core). Prints the times and
//     their ratios against the lone probes one after the other.
//   bench_add_files big [count]               (default 10000 files)
//     A folder of that many files (hard links to one short file): the time
//     until the table shows them all, the memory the list costs, and the time
//     of each header sort, of Remove and of Clear on the full list, and of
//     painting the table at scroll positions along it.
//
// Run it with a throw-away HOME: the controller reads its settings from there.
#include "app/AppDelegate.h"
#include "app/MainWindow.h"
#include "app/QtServices.h"
#include "platform/core/ChildProcess.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

using namespace quavero;

namespace {
// A short MP3 of its own tone and length.
bool makeTone(const QString &ffmpeg, const QString &path, int i)
{
    const QString tone =
        QStringLiteral("sine=frequency=%1:sample_rate=44100:duration=%2").arg(220 + i).arg(1.0 + (i % 5) * 0.5);
    const JoinedRun run = child::runJoined(ffmpeg, {"-v", "error", "-y", "-f", "lavfi", "-i", tone, "-ac", "2", "-c:a",
                                                    "libmp3lame", "-b:a", "128k", path});
    return run.exitCode == 0;
}

QString trackPath(const QString &folder, int i)
{
    return QStringLiteral("%1/track %2.mp3").arg(folder).arg(i, 5, 10, QLatin1Char('0'));
}

// count files: a few distinct short MP3s, copied (each file its own inode, as
// in a real folder) or hard-linked (cheap for very many).
bool makeFolder(const QString &ffmpeg, const QString &folder, int count, bool link)
{
    const int distinct = qMin(count, 20);
    for (int i = 0; i < distinct; ++i)
        if (!makeTone(ffmpeg, trackPath(folder, i), i))
            return false;
    for (int i = distinct; i < count; ++i) {
        const QString source = trackPath(folder, i % distinct);
        const QString target = trackPath(folder, i);
        const bool made = link ? ::link(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0
                               : QFile::copy(source, target);
        if (!made)
            return false;
    }
    return true;
}

// A value in kB from /proc/self/status ("VmRSS", "VmHWM").
long statusKb(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field)) + 1).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Seconds taken to add every file of folder; -1 when the add did not take them all.
double timeAdd(AppDelegate &app, const QString &folder, int jobs, int batch, int expected)
{
    app.OnUserToolbarClear();
    app.addProbeJobs = jobs;
    app.addProbeBatch = batch;
    QEventLoop loop;
    QObject::connect(&app, &AppDelegate::addFinished, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    app.addDroppedPaths({folder});
    if (app.isAdding())
        loop.exec();
    if (app.tableviewVideoFiles)
        app.tableviewVideoFiles->viewport()->repaint();
    const double seconds = clock.nsecsElapsed() / 1e9;
    return app.arrayVideoFiles.count() == expected ? seconds : -1;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    const qsizetype n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double msSince(const QElapsedTimer &clock) { return clock.nsecsElapsed() / 1e6; }

int probes(AppDelegate &app, int count, int rounds)
{
    QTemporaryDir folder;
    std::printf("making %d short MP3 files...\n", count);
    std::fflush(stdout);
    if (!folder.isValid() || !makeFolder(app.sffmpegPath, folder.path(), count, false)) {
        std::fprintf(stderr, "could not make the files with %s\n", qPrintable(app.sffmpegPath));
        return 1;
    }
    // A first add warms the disk cache and ffmpeg's own start-up for every way.
    timeAdd(app, folder.path(), 0, 64, count);
    const struct {
        const char *name;
        int jobs;
        int batch;
    } ways[] = {{"lone probes, one after the other", 1, 1},
                {"lone probes, one per core", 0, 1},
                {"batched probes, one batch per core", 0, 64}};
    QList<double> times[3];
    for (int round = 1; round <= rounds; ++round)
        for (int w = 0; w < 3; ++w) {
            const double t = timeAdd(app, folder.path(), ways[w].jobs, ways[w].batch, count);
            if (t <= 0) {
                std::fprintf(stderr, "an add did not take every file\n");
                return 1;
            }
            times[w] << t;
            std::printf("round %d: %-36s %7.2f s\n", round, ways[w].name, t);
            std::fflush(stdout);
        }
    const double lone = median(times[0]);
    std::printf("\nfiles: %d, cores: %d, rounds: %d (medians)\n", count, QThread::idealThreadCount(), rounds);
    for (int w = 0; w < 3; ++w)
        std::printf("  %-36s %7.2f s   ratio to lone one after the other: %.3f\n", ways[w].name, median(times[w]),
                    median(times[w]) / lone);
    std::printf("  target: batched <= 0.10 of lone one after the other\n");
    return 0;
}

int big(AppDelegate &app, QTableView *table, int count)
{
    QTemporaryDir folder;
    std::printf("making %d files (hard links to a few short MP3s)...\n", count);
    std::fflush(stdout);
    if (!folder.isValid() || !makeFolder(app.sffmpegPath, folder.path(), count, true)) {
        std::fprintf(stderr, "could not make the files\n");
        return 1;
    }
    QCoreApplication::processEvents();
    table->viewport()->repaint();
    const long emptyRss = statusKb("VmRSS:");

    const double added = timeAdd(app, folder.path(), 0, 64, count);
    if (added <= 0) {
        std::fprintf(stderr, "the add did not take every file\n");
        return 1;
    }
    const long fullRss = statusKb("VmRSS:");
    std::printf("\n%d files\n", count);
    std::printf("  until the table shows them all:  %7.2f s   (target <= 15 s)\n", added);
    std::printf("  memory, empty list:              %7.1f MB\n", emptyRss / 1024.0);
    std::printf("  memory, full list:               %7.1f MB   (%+.1f MB; target <= +30 MB)\n", fullRss / 1024.0,
                (fullRss - emptyRss) / 1024.0);
    std::printf("  peak memory of the process:      %7.1f MB\n", statusKb("VmHWM:") / 1024.0);

    // Header clicks: every column, twice (both directions).
    double worstSort = 0;
    for (int column = 0; column < 4; ++column)
        for (int click = 0; click < 2; ++click) {
            QElapsedTimer clock;
            clock.start();
            app.sortDescriptorsDidChange(column);
            table->viewport()->repaint();
            const double ms = msSince(clock);
            worstSort = std::max(worstSort, ms);
            std::printf("  sort column %d (click %d):         %7.1f ms\n", column + 1, click + 1, ms);
        }
    std::printf("  slowest sort:                    %7.1f ms   (target <= 50 ms)\n", worstSort);

    // Scrolling: the table painted at twenty positions along the list.
    double worstPaint = 0;
    QScrollBar *bar = table->verticalScrollBar();
    for (int step = 0; step <= 20; ++step) {
        bar->setValue(bar->maximum() * step / 20);
        QElapsedTimer clock;
        clock.start();
        table->viewport()->repaint();
        worstPaint = std::max(worstPaint, msSince(clock));
    }
    std::printf("  slowest paint while scrolling:   %7.1f ms\n", worstPaint);

    // Remove every second row (as many separate selections), then all rows.
    const QList<NodeVideoFile> full = app.arrayVideoFiles.snapshot();
    QItemSelection every;
    const QAbstractItemModel *model = table->model();
    for (int row = 0; row < count; row += 2)
        every.select(model->index(row, 0), model->index(row, model->columnCount() - 1));
    table->selectionModel()->select(every, QItemSelectionModel::ClearAndSelect);
    QElapsedTimer clock;
    clock.start();
    app.OnUserToolbarRemove();
    table->viewport()->repaint();
    std::printf("  Remove of every second row:      %7.1f ms   (target <= 100 ms; %d left)\n", msSince(clock),
                app.arrayVideoFiles.count());

    auto refill = [&] {
        app.arrayVideoFiles.clear();
        app.arrayVideoFiles.append(full);
        app.refreshTableVideoFiles();
        QCoreApplication::processEvents();
    };
    refill();
    table->selectAll();
    clock.restart();
    app.OnUserToolbarRemove();
    table->viewport()->repaint();
    std::printf("  Remove of all rows:              %7.1f ms   (target <= 100 ms; %d left)\n", msSince(clock),
                app.arrayVideoFiles.count());

    refill();
    clock.restart();
    app.OnUserToolbarClear();
    table->viewport()->repaint();
    std::printf("  Clear:                           %7.1f ms   (target <= 100 ms)\n", msSince(clock));
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("probes");
    const bool bigList = mode == QLatin1String("big");
    const int count = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : (bigList ? 10000 : 600);
    const int rounds = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 1;
    if ((mode != QLatin1String("probes") && !bigList) || count <= 0 || rounds <= 0) {
        std::fprintf(stderr, "usage: bench_add_files probes [count] [rounds] | big [count]\n");
        return 2;
    }

    QtServices platform;
    platform.services.exitProcess = [](int status) { std::exit(status); };

    MainWindow window;
    AppDelegate app(platform.services);
    app.awakeFromNib(&window);
    if (!app.applicationDidFinishLaunching())
        return 1;
    window.resize(900, 600);
    window.show();
    QCoreApplication::processEvents();
    return bigList ? big(app, app.tableviewVideoFiles, count) : probes(app, count, rounds);
}
