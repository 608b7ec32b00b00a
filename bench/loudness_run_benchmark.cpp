// SPDX-License-Identifier: GPL-3.0-or-later
// What loudness costs a whole run, as the window and quavero-cli carry it out
// (the run plan, ConversionRun, the jobs, the tags written).
//
//   bench_loudness_run [files] [seconds] [rounds]   (default 8 files of 60 s, 3 rounds)
//     Stereo 44.1 kHz pink noise files converted to MP3 (VBR quality 2), one
//     file at a time, three ways in turn each round:
//       - no loudness: the baseline;
//       - loudness tags (--replaygain track): the decoded audio measured
//         while it is encoded (target at most 1.15 times the baseline);
//       - normalised to -16 LUFS (--normalize -16): a measuring pass first,
//         then the conversion with its gain (target at most 2.1).
//     Prints the medians (wall and processor time, this program's and its
//     children's) and the ratios against the baseline of the same rounds.
//     Nothing is asserted: the figures are for reading.
#include "convert/core/RunPlanner.h"
#include "convert/engine/ConversionRun.h"
#include "convert/engine/FileSystemWorld.h"
#include "filelist/core/FileEntry.h"
#include "loudness/engine/RunGains.h"
#include "mirror/engine/OutputLedger.h"
#include "platform/core/BundledPrograms.h"
#include "platform/core/ChildProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <vector>

using namespace quavero;

namespace {
struct Timing {
    double wall = 0;
    double cpu = 0;
};

double processorSeconds()
{
    double total = 0;
    for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        getrusage(who, &usage);
        total += usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    }
    return total;
}

NodeVideoFile entryFor(const QString &path, qint64 seconds)
{
    NodeVideoFile e = filelist::entryFromUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    e.setI_Duration_in_Seconds(seconds);
    return e;
}

// One run of the files into a fresh destination; false when an entry failed.
bool runOnce(const QList<NodeVideoFile> &entries, const QString &destination, const SettingsSnapshot &settings,
             Timing *timing)
{
    QDir(destination).removeRecursively();
    QDir().mkpath(destination);
    const RunPlan plan = runplan::make(settings, runplan::inputsFrom(entries), destination,
                                       QCoreApplication::applicationPid(), planworld::fileSystem(destination));
    auto ledger = std::make_shared<OutputLedger>();
    RunSetup setup;
    setup.plan = plan;
    const ProgramPaths programs{bundled::programPath(QStringLiteral("ffmpeg")),
                                bundled::programPath(QStringLiteral("sox"))};
    const double cpuBefore = processorSeconds();
    QElapsedTimer clock;
    clock.start();
    ConversionRun run(setup, runjobs::forPlans(programs, ledger, RunGains::forPlan(plan, ledger)));
    QEventLoop loop;
    QObject::connect(&run, &ConversionRun::finished, &loop, &QEventLoop::quit);
    run.start();
    loop.exec();
    timing->wall = clock.nsecsElapsed() / 1e9;
    timing->cpu = processorSeconds() - cpuBefore;
    return run.failedEntries().isEmpty();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int files = argc > 1 ? std::max(1, std::atoi(argv[1])) : 8;
    const int seconds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 60;
    const int rounds = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;
    const QString ffmpeg = bundled::programPath(QStringLiteral("ffmpeg"));
    QTemporaryDir dir;
    QList<NodeVideoFile> entries;
    for (int i = 0; i < files; ++i) {
        const QString path = dir.filePath(QStringLiteral("in/pink %1.wav").arg(i));
        QDir().mkpath(QFileInfo(path).path());
        const JoinedRun made = child::runJoined(
            ffmpeg, {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                     QStringLiteral("anoisesrc=color=pink:sample_rate=44100:amplitude=%1:duration=%2:seed=%3")
                         .arg(0.05 + 0.1 * (i % 5))
                         .arg(seconds)
                         .arg(i + 1),
                     "-ac", "2", path});
        if (made.exitCode != 0) {
            std::fprintf(stderr, "could not make the test files: %s\n", made.output.constData());
            return 1;
        }
        entries << entryFor(path, seconds);
    }

    SettingsSnapshot plain;
    plain.formatIndex = 8; // .MP3
    plain.records.m_AF_MP3.setB_VBR(1);
    SettingsSnapshot tagged = plain;
    tagged.loudness.tags = GainTagMode::Track;
    SettingsSnapshot normalised = plain;
    normalised.loudness.normalize = true;
    normalised.loudness.targetLufs = -16;
    const SettingsSnapshot *ways[] = {&plain, &tagged, &normalised};
    const char *names[] = {"no loudness (baseline)", "--replaygain track", "--normalize -16"};
    std::vector<double> wall[3], cpu[3];
    for (int round = 0; round < rounds; ++round)
        for (int way = 0; way < 3; ++way) {
            Timing t;
            if (!runOnce(entries, dir.filePath(QStringLiteral("out")), *ways[way], &t)) {
                std::fprintf(stderr, "a run with %s failed\n", names[way]);
                return 1;
            }
            wall[way].push_back(t.wall);
            cpu[way].push_back(t.cpu);
        }

    std::printf("Loudness in a run: %d files of %d s, stereo 44.1 kHz pink noise to MP3, median of %d rounds\n", files,
                seconds, rounds);
    std::printf("  %-28s %9s %11s %12s %12s\n", "", "wall", "processor", "wall ratio", "proc ratio");
    const double baseWall = median(wall[0]);
    const double baseCpu = median(cpu[0]);
    for (int way = 0; way < 3; ++way)
        std::printf("  %-28s %8.2fs %10.2fs %12.3f %12.3f\n", names[way], median(wall[way]), median(cpu[way]),
                    median(wall[way]) / baseWall, median(cpu[way]) / baseCpu);
    std::printf("  targets: --replaygain track at most 1.15, --normalize at most 2.1 (wall)\n");
    return 0;
}
