// SPDX-License-Identifier: GPL-3.0-or-later
// Times splitting an album image into FLAC tracks along its CUE sheet against
// converting the same image whole to FLAC: the ffmpeg stage of the .FLAC
// format with its start options, the tracks one after another, each cut with
// cue::splitArguments (a seek to the whole second before the track, then an
// exact trim). Target: split / whole at most 1.2.
//
// Both the time on the clock and the processor time of the ffmpeg children
// (user and system, from getrusage) are compared. Each track is an ffmpeg of
// its own, which costs a process start (about 0.07 s of processor time with
// Debian's ffmpeg and its 200-odd libraries); on a machine busy with other
// work that start waits for a processor, so there the clock ratio grows while
// the processor-time ratio holds.
//
// The same comparison is then made through the real run: quavero-cli given
// the sheet (the plan cuts each track, sox and the tag step follow, every
// output is published whole) against quavero-cli given the image alone, both
// with the .FLAC format's start options and -j 1, so that the tracks do not
// gain from running side by side.
//
// Usage: bench_cue_split [minutes] [tracks] [rounds]   (default 60 minutes, 15 tracks, 3 rounds)
// The image is pink noise (the slowest kind of audio to decode and encode),
// 44.1 kHz stereo FLAC, made once in a temporary folder; the track
// boundaries fall inside FLAC frames. Whole and split take turns, round after
// round, and the medians are compared.
#include "convert/core/EncoderCommand.h"
#include "cue/core/SplitArguments.h"
#include "cue/engine/SheetReader.h"
#include "formats/core/Records.h"
#include "platform/core/ChildProcess.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <sys/resource.h>

using namespace quavero;

namespace {
constexpr int kFlacFormat = 7;

QString sheetFor(int minutes, int tracks)
{
    QString text = QStringLiteral("TITLE \"Benchmark\"\nFILE \"image.flac\" WAVE\n");
    const qint64 frames = qint64(minutes) * 60 * 75;
    for (int i = 0; i < tracks; ++i) {
        // Uneven lengths, every boundary an odd frame: inside a FLAC frame.
        const qint64 at = i == 0 ? 0 : (frames * i / tracks) | 1;
        text += QStringLiteral("  TRACK %1 AUDIO\n    TITLE \"Part %1\"\n    INDEX 01 %2:%3:%4\n")
                    .arg(i + 1, 2, 10, QLatin1Char('0'))
                    .arg(at / 75 / 60, 2, 10, QLatin1Char('0'))
                    .arg(at / 75 % 60, 2, 10, QLatin1Char('0'))
                    .arg(at % 75, 2, 10, QLatin1Char('0'));
    }
    return text;
}

NodeVideoFile entryFor(const QString &path)
{
    NodeVideoFile e;
    e.setS_File_URL(QUrl::fromLocalFile(path));
    e.setS_File_Path(path);
    e.setS_File_Name_Without_Extension(QStringLiteral("image"));
    e.setS_File_Extension(QStringLiteral(".flac"));
    return e;
}

// The ffmpeg stage of the .FLAC format: "-i <input> <format options> <output>".
EncoderCommand flacCommand(const QString &image, const QString &folder, const QString &baseName)
{
    return encoder::build(kFlacFormat, entryFor(image), folder, folder, startRecords(), OutputName{QString(), baseName});
}

bool runFfmpeg(const QString &ffmpeg, const QStringList &arguments)
{
    const JoinedRun run = child::runJoined(ffmpeg, QStringList{"-v", "error", "-y"} + arguments);
    if (run.exitCode != 0)
        std::fprintf(stderr, "ffmpeg failed: %s\n%s\n", qPrintable(arguments.join(' ')), run.output.constData());
    return run.exitCode == 0;
}

double whole(const QString &ffmpeg, const QString &image, const QString &out)
{
    QDir(out).removeRecursively();
    QDir().mkpath(out);
    QElapsedTimer clock;
    clock.start();
    if (!runFfmpeg(ffmpeg, flacCommand(image, out, QStringLiteral("whole")).arguments))
        std::exit(1);
    return clock.elapsed() / 1000.0;
}

double split(const QString &ffmpeg, const QString &sheet, const QString &out)
{
    QDir(out).removeRecursively();
    QDir().mkpath(out);
    QElapsedTimer clock;
    clock.start();
    // Reading the sheet is part of the split's cost.
    const SheetReading reading = cue::readSheetFile(sheet);
    if (!reading.ok()) {
        std::fprintf(stderr, "%s\n", qPrintable(reading.failure.text()));
        std::exit(1);
    }
    for (const SheetTrack &track : reading.tracks) {
        const EncoderCommand command = flacCommand(track.imagePath, out, track.baseName);
        // Between "-i <input>" and the output path: the format's options.
        const QStringList options = command.arguments.mid(2, command.arguments.size() - 3);
        const SplitArguments cut = cue::splitArguments(track.imagePath, track.range, track.sampleRate);
        if (!runFfmpeg(ffmpeg, cut.input + cue::withFilter(options, cut.filter) + QStringList{command.ffmpegOutputPath}))
            std::exit(1);
    }
    return clock.elapsed() / 1000.0;
}

// quavero-cli (beside this program) converting input to FLAC into out, one
// file at a time.
double throughRun(const QString &cli, const QString &input, const QString &out)
{
    QDir(out).removeRecursively();
    QDir().mkpath(out);
    QElapsedTimer clock;
    clock.start();
    const JoinedRun run = child::runJoined(cli, {"-q", "-j", "1", "-f", "flac", "-o", out, input});
    if (run.exitCode != 0) {
        std::fprintf(stderr, "quavero-cli failed on %s:\n%s\n", qPrintable(input), run.output.constData());
        std::exit(1);
    }
    return clock.elapsed() / 1000.0;
}

// Processor time used so far by the children that have ended, in seconds.
double childrenSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Timing {
    double clock = 0;     // seconds on the clock
    double processor = 0; // processor seconds of the ffmpeg children
};

template <typename Step> Timing timed(Step step)
{
    const double before = childrenSeconds();
    const double clock = step();
    return Timing{clock, childrenSeconds() - before};
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int minutes = argc > 1 ? std::atoi(argv[1]) : 60;
    const int tracks = argc > 2 ? std::atoi(argv[2]) : 15;
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 3;
    const QString ffmpeg = QStandardPaths::findExecutable(QStringLiteral("ffmpeg"));
    if (ffmpeg.isEmpty() || minutes < 1 || tracks < 1 || rounds < 1) {
        std::fprintf(stderr, "usage: bench_cue_split [minutes] [tracks] [rounds]; ffmpeg must be on the PATH\n");
        return 2;
    }
    QTemporaryDir temp;
    const QString image = temp.path() + QStringLiteral("/image.flac");
    const QString sheet = temp.path() + QStringLiteral("/image.cue");
    std::printf("Making a %d-minute FLAC image of pink noise...\n", minutes);
    std::fflush(stdout);
    if (!runFfmpeg(ffmpeg, {"-f", "lavfi", "-i", QStringLiteral("anoisesrc=d=%1:c=pink:r=44100:a=0.3").arg(minutes * 60),
                            "-ac", "2", "-sample_fmt", "s16", "-c:a", "flac", image}))
        return 1;
    QFile file(sheet);
    if (!file.open(QIODevice::WriteOnly) || file.write(sheetFor(minutes, tracks).toUtf8()) < 0)
        return 1;
    file.close();

    const QString cli = QCoreApplication::applicationDirPath() + QStringLiteral("/quavero-cli");
    const bool haveCli = QFileInfo(cli).isExecutable();
    QList<double> wholeClock, wholeProcessor, splitClock, splitProcessor;
    QList<double> runWholeClock, runWholeProcessor, runSplitClock, runSplitProcessor;
    for (int round = 1; round <= rounds; ++round) {
        const Timing w = timed([&] { return whole(ffmpeg, image, temp.path() + QStringLiteral("/whole")); });
        const Timing s = timed([&] { return split(ffmpeg, sheet, temp.path() + QStringLiteral("/split")); });
        wholeClock << w.clock;
        wholeProcessor << w.processor;
        splitClock << s.clock;
        splitProcessor << s.processor;
        std::printf("round %d: whole %.2f s (processor %.2f s), %d tracks %.2f s (processor %.2f s)\n", round, w.clock,
                    w.processor, tracks, s.clock, s.processor);
        std::fflush(stdout);
        if (!haveCli)
            continue;
        const Timing rw = timed([&] { return throughRun(cli, image, temp.path() + QStringLiteral("/run-whole")); });
        const Timing rs = timed([&] { return throughRun(cli, sheet, temp.path() + QStringLiteral("/run-split")); });
        runWholeClock << rw.clock;
        runWholeProcessor << rw.processor;
        runSplitClock << rs.clock;
        runSplitProcessor << rs.processor;
        std::printf("round %d, quavero-cli: image %.2f s (processor %.2f s), sheet into %d tracks %.2f s (processor "
                    "%.2f s)\n",
                    round, rw.clock, rw.processor, tracks, rs.clock, rs.processor);
        std::fflush(stdout);
    }
    const double wc = median(wholeClock), sc = median(splitClock);
    const double wp = median(wholeProcessor), sp = median(splitProcessor);
    std::printf("median clock:     whole %.2f s, split into %d tracks %.2f s; split / whole = %.3f\n", wc, tracks, sc,
                sc / wc);
    std::printf("median processor: whole %.2f s, split into %d tracks %.2f s; split / whole = %.3f\n", wp, tracks, sp,
                sp / wp);
    if (haveCli) {
        const double rwc = median(runWholeClock), rsc = median(runSplitClock);
        const double rwp = median(runWholeProcessor), rsp = median(runSplitProcessor);
        std::printf("quavero-cli, median clock:     image %.2f s, sheet %.2f s; sheet / image = %.3f\n", rwc, rsc,
                    rsc / rwc);
        std::printf("quavero-cli, median processor: image %.2f s, sheet %.2f s; sheet / image = %.3f\n", rwp, rsp,
                    rsp / rwp);
    } else {
        std::printf("quavero-cli not found beside this program: build the target quavero-cli for the run's figures\n");
    }
    std::printf("target: split / whole at most 1.2\n");
    return 0;
}
