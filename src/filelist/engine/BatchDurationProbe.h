// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The duration probe for many files with one ffmpeg: "ffmpeg -i f1 -i f2 ...",
// with no output file, reports on every input in turn and ends. Each file's
// duration text is read from its own part of that report, so it is exactly the
// text the lone probe ("ffmpeg -i f") gives; starting one process for a batch
// instead of one per file is what makes adding a big folder fast.
#include <QString>
#include <QStringList>
#include <functional>

namespace quavero {

namespace filelist {
// At most this many inputs go to one ffmpeg.
constexpr int kProbeBatchLimit = 64;
// A probe that writes nothing for this long is taken to hang and is killed.
constexpr int kProbeStallMs = 20000;

struct BatchProbeOptions {
    int stallMs = kProbeStallMs;
    // Asked now and then; true kills the running probe and leaves the texts of
    // the files not probed yet empty.
    std::function<bool()> stop;
};

// The duration texts of paths, in their order, from ffmpeg at ffmpeg; a text
// is empty where the report has none. Only regular files are handed to
// ffmpeg: anything else (a FIFO, a socket, a device, a folder, a missing
// file) gets an empty text and is never opened.
//
// A file that ffmpeg cannot open ends its process: the files before it keep
// their parts of the report, the failing file is probed alone (so its text is
// what the lone probe gives), and a new process goes on after it. A process
// that stalls is killed and the files it had not reported on are probed
// alone, each with the same stall bound. Blocks; safe from any thread.
QStringList probeDurationTexts(const QString &ffmpeg, const QStringList &paths, const BatchProbeOptions &options = {});
// The same probe giving each file's whole report (its part of the batch, or
// its lone report), from which the duration and the audio stream are read;
// an empty text where no report was had.
QStringList probeReports(const QString &ffmpeg, const QStringList &paths, const BatchProbeOptions &options = {});
} // namespace filelist

} // namespace quavero
