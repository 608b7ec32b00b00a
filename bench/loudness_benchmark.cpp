// SPDX-License-Identifier: GPL-3.0-or-later
// What measuring loudness costs, per hour of audio.
//
//   bench_loudness [minutes] [rounds]   (default 10 minutes of audio, 3 rounds)
//     A stereo 44.1 kHz file of pink noise of that length, then, each timed
//     (the best of the rounds) and scaled to one hour of audio:
//       - the meter alone on samples in memory;
//       - ffmpeg decoding the file to the meter through a pipe (the first pass
//         of normalising);
//       - a conversion to MP3 as a run makes it, the baseline;
//       - the same conversion with a second copy of the decoded samples sent
//         to the meter through ffmpeg's standard output (asplit), measured
//         while it encodes: what a run with loudness tags does.
//     Prints the times, the ratio of the measured conversion to the baseline
//     (the target: at most 1.15), and the memory an album keeps per hour.
#include "loudness/core/FloatWav.h"
#include "loudness/engine/AlbumMeter.h"
#include "loudness/engine/FileMeasure.h"
#include "loudness/engine/StreamMeter.h"
#include "platform/core/BundledPrograms.h"
#include "platform/core/ChildProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <malloc.h>
#include <sys/resource.h>

using namespace quavero;

namespace {
const QStringList kMp3 = {"-c:a", "libmp3lame", "-q:a", "2"};

// Processor time of this program and its ended children, in seconds.
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

struct Timing {
    double wall = -1; // the best of the rounds, seconds
    double cpu = -1;  // processor time of that round, seconds
};

// The best of rounds runs of work; wall -1 when one failed.
Timing best(int rounds, const std::function<bool()> &work)
{
    Timing fastest;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        const double cpuBefore = processorSeconds();
        timer.start();
        if (!work())
            return Timing{};
        const Timing t{timer.nsecsElapsed() / 1e9, processorSeconds() - cpuBefore};
        if (fastest.wall < 0 || t.wall < fastest.wall)
            fastest = t;
    }
    return fastest;
}

bool convert(const QString &ffmpeg, const QString &input, const QString &output)
{
    const JoinedRun run =
        child::runJoined(ffmpeg, QStringList{"-nostdin", "-v", "error", "-y", "-i", input} + kMp3 + QStringList{output});
    return run.exitCode == 0;
}

// The conversion with the meter's copy on standard output, measured as it comes.
bool convertMeasured(const QString &ffmpeg, const QString &input, const QString &output, LoudnessMeasurement *m)
{
    QProcess process;
    child::dieWithParent(process);
    process.setStandardInputFile(QProcess::nullDevice());
    const QStringList arguments = QStringList{"-nostdin", "-v",      "error",           "-y",
                                              "-i",       input,     "-filter_complex", "[0:a]asplit=2[encode][meter]",
                                              "-map",     "[encode]"} +
                                  kMp3 + QStringList{output} + loudness::meterOutputArguments("meter");
    process.start(ffmpeg, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(-1))
        return false;
    StreamMeter stream;
    while (process.bytesAvailable() > 0 || process.waitForReadyRead(-1))
        stream.add(process.readAllStandardOutput());
    process.waitForFinished(-1);
    stream.add(process.readAllStandardOutput());
    *m = stream.measurement();
    return process.exitCode() == 0 && m->measured();
}

void line(const char *what, const Timing &t, double audioSeconds)
{
    const double perHour = 3600.0 / audioSeconds;
    std::printf("  %-56s %7.2f s %7.2f s   %7.2f s %7.2f s\n", what, t.wall, t.cpu, t.wall * perHour, t.cpu * perHour);
}
} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const double minutes = argc > 1 ? std::atof(argv[1]) : 10.0;
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    const double audioSeconds = minutes * 60.0;
    const QString ffmpeg = bundled::programPath(QStringLiteral("ffmpeg"));
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("pink.wav"));
    const QString output = dir.filePath(QStringLiteral("out.mp3"));
    const JoinedRun made = child::runJoined(
        ffmpeg, {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i",
                 QStringLiteral("anoisesrc=color=pink:sample_rate=44100:amplitude=0.3:duration=%1").arg(audioSeconds),
                 "-ac", "2", input});
    if (made.exitCode != 0) {
        std::fprintf(stderr, "could not make the test file: %s\n", made.output.constData());
        return 1;
    }
    std::printf("Loudness measurement, %.1f minutes of stereo 44.1 kHz pink noise, best of %d\n", minutes, rounds);

    // The meter alone, on samples already in memory (read from the file's data chunk).
    QFile file(input);
    file.open(QIODevice::ReadOnly);
    const QByteArray wav = file.readAll();
    std::vector<float> samples;
    const qsizetype data = wav.indexOf("data") + 8;
    for (qsizetype at = data; at + 1 < wav.size(); at += 2)
        samples.push_back(float(qint16(quint8(wav[at]) | quint8(wav[at + 1]) << 8)) / 32768.0f);
    const Timing meterOnly = best(rounds, [&] {
        LoudnessMeter meter(2, 44100);
        meter.addFrames(samples.data(), qint64(samples.size() / 2));
        return meter.measurement().measured();
    });

    const Timing decodeAndMeter =
        best(rounds, [&] { return loudness::measureFile(ffmpeg, input).measurement.measured(); });
    const Timing baseline = best(rounds, [&] { return convert(ffmpeg, input, output); });
    LoudnessMeasurement measured;
    const Timing withMeter = best(rounds, [&] { return convertMeasured(ffmpeg, input, output, &measured); });
    if (meterOnly.wall < 0 || decodeAndMeter.wall < 0 || baseline.wall < 0 || withMeter.wall < 0) {
        std::fprintf(stderr, "a timed step failed\n");
        return 1;
    }
    std::printf("  %-56s %9s %9s   %9s %9s\n", "", "wall", "processor", "wall/hour", "proc/hour");
    line("meter alone (libebur128, integrated + true peak)", meterOnly, audioSeconds);
    line("ffmpeg decoding to the meter (normalising's first pass)", decodeAndMeter, audioSeconds);
    line("conversion to MP3 (baseline)", baseline, audioSeconds);
    line("conversion to MP3, measured through asplit", withMeter, audioSeconds);
    std::printf("  ratio measured / baseline conversion: %.3f wall, %.3f processor (target at most 1.15)\n",
                withMeter.wall / baseline.wall, withMeter.cpu / baseline.cpu);
    std::printf("  ratio with a decoding first pass:     %.3f wall, %.3f processor (normalising, at most 2.1)\n",
                (baseline.wall + decodeAndMeter.wall) / baseline.wall, (baseline.cpu + decodeAndMeter.cpu) / baseline.cpu);
    std::printf("  measured: %.2f LUFS, true peak %.6f\n", measured.lufs, measured.truePeak);

    // What an album keeps of its tracks: the heap grown by finished tracks of
    // this length, scaled to an hour.
    const int tracks = 6;
    AlbumMeter album;
    const size_t before = mallinfo2().uordblks;
    for (int i = 0; i < tracks; ++i) {
        LoudnessMeter meter(2, 44100);
        meter.addFrames(samples.data(), qint64(samples.size() / 2));
        album.addTrack(std::move(meter));
    }
    const double kept = double(mallinfo2().uordblks - before);
    std::printf("  album memory: %.0f KB for %d tracks of %.1f min = %.2f MB per hour of audio\n", kept / 1024, tracks,
                minutes, kept / (tracks * audioSeconds) * 3600.0 / (1024 * 1024));
    return 0;
}
