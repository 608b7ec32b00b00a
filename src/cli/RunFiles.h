// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Converts the files of a command line through a ConversionRun with up to N
// files at once and no pauses, showing each step on the progress display, and
// returns what became of them. Durations are probed in parallel ahead of the
// conversions when the display shows percentages and the time left. Ctrl-C
// (or SIGTERM) stops the run: the running conversions are killed and their
// partial files removed.
#include <QList>
#include <QString>

#include "cli/InputFiles.h"
#include "cli/InterruptWatcher.h"
#include "cli/Summary.h"
#include "convert/core/RunEntry.h"
#include "formats/core/Records.h"

namespace quavero {

namespace cli {
class ProgressDisplay;

struct BatchSettings {
    int formatIndex = 8;
    const FormatRecords *records = nullptr; // must outlive the run
    QString destinationFolder;              // absolute
    QString workFolder;                     // the run's private temporary folder
    QString ffmpegPath;
    QString soxPath;
    int jobs = 1;
    bool keepStructure = true; // files found below a folder INPUT keep their subfolder under the output folder
    // The durations only serve the live display: without it the probes would
    // be work for nothing.
    bool probeDurations = true;
    bool copyTags = true; // the input's tags and pictures go into each output
};

// The run's entries for the files: a file's problem kept, the outputs planned
// (numbered names; with keepStructure each file in its subfolder).
QList<RunEntry> runEntriesFor(const QList<InputFile> &files, const QString &destinationFolder, int formatIndex,
                              bool keepStructure);

// Runs the event loop until the run has ended.
BatchOutcome runFiles(const BatchSettings &settings, const QList<InputFile> &files, ProgressDisplay &display,
                      InterruptWatcher &interrupts);
} // namespace cli

} // namespace quavero
