// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RunFiles.h"

#include "cli/DurationProbes.h"
#include "cli/InterruptWatcher.h"
#include "cli/ProgressDisplay.h"
#include "cli/ShownPath.h"
#include "convert/core/EntryDetails.h"
#include "convert/engine/ConversionRun.h"
#include "convert/engine/RunDetails.h"
#include "platform/core/FileSystem.h"

#include <QEventLoop>

namespace quavero {

namespace cli {
QList<RunEntry> runEntriesFor(const QList<InputFile> &files, const QString &destinationFolder, int formatIndex,
                              bool keepStructure)
{
    QList<NodeVideoFile> entries;
    for (const InputFile &file : files)
        entries << file.entry;
    QList<RunEntry> runEntries = runentries::fromList(entries);
    for (int i = 0; i < files.size(); ++i)
        runEntries[i].problem = files.at(i).problem;
    runentries::planOutputs(runEntries, destinationFolder, formatIndex, keepStructure,
                            [](const QString &path) { return fs::exists(path); });
    return runEntries;
}

namespace {
RunSetup setupFor(const BatchSettings &settings, const QList<InputFile> &files)
{
    RunSetup setup;
    setup.entries = runEntriesFor(files, settings.destinationFolder, settings.formatIndex, settings.keepStructure);
    for (RunEntry &entry : setup.entries)
        entry.ready = !settings.probeDurations || !entry.problem.isEmpty();
    setup.formatIndex = settings.formatIndex;
    setup.records = settings.records;
    setup.destinationFolder = settings.destinationFolder;
    setup.workFolder = settings.workFolder;
    // A long batch would otherwise keep every intermediate file until the
    // end, in a temporary folder that is often held in memory.
    setup.removeIntermediates = true;
    setup.copyTags = settings.copyTags;
    setup.pacing.firstDelayMs = 0;
    setup.pacing.pauseMs = 0;
    setup.pacing.filesAtOnce = settings.jobs;
    return setup;
}

// One line on the display for an entry that has ended.
void showEnded(const ConversionRun &run, int index, const QString &name, ProgressDisplay &display)
{
    switch (run.state(index)) {
    case EntryState::Converted:
        display.converted(index, name, shownPath(run.result(index).finalPath));
        break;
    case EntryState::Failed:
        display.failed(index, name, run.result(index).reason);
        break;
    default:
        display.stopped(index, name);
        break;
    }
}

// What became of each entry once the run has ended, into outcome (whose
// stop signal is already known).
void countOutcome(const ConversionRun &run, const QStringList &names, BatchOutcome &outcome)
{
    outcome.diskFull = run.stoppedByFullDisk();
    QList<int> failed;
    for (int i = 0; i < run.entryCount(); ++i) {
        switch (run.state(i)) {
        case EntryState::Converted:
            ++outcome.converted;
            if (run.entry(i).renamed)
                outcome.renamed.append({names.at(i), shownPath(run.result(i).finalPath)});
            for (const QString &warning : run.result(i).warnings)
                outcome.warnings.append({names.at(i), warning});
            break;
        case EntryState::Failed:
            ++outcome.failed;
            failed << i;
            outcome.failures.append({names.at(i), run.result(i).reason});
            break;
        default:
            ++outcome.notConverted;
            if (outcome.diskFull && outcome.stopSignal == 0)
                outcome.notConvertedPaths << names.at(i);
            break;
        }
    }
    outcome.failureDetails = details::text(rundetails::details(run, failed));
}
} // namespace

BatchOutcome runFiles(const BatchSettings &settings, const QList<InputFile> &files, ProgressDisplay &display,
                      InterruptWatcher &interrupts)
{
    ConversionRun run(setupFor(settings, files),
                      runjobs::conversionJobs(settings.ffmpegPath, settings.soxPath, settings.records));
    run.setStopPending(&InterruptWatcher::signalled);
    DurationProbes probes(settings.ffmpegPath, settings.jobs);
    QStringList names;
    for (const InputFile &file : files)
        names << shownPath(file.entry.s_File_Path());
    BatchOutcome outcome;

    QObject::connect(&probes, &DurationProbes::probed, &run, &ConversionRun::entryReady);
    QObject::connect(&run, &ConversionRun::entryStarted, &display,
                     [&](int index) { display.started(index, names.at(index)); });
    QObject::connect(&run, &ConversionRun::entryProgressed, &display,
                     [&](int index) { display.progressed(index, run.reading(index)); });
    QObject::connect(&run, &ConversionRun::entryFinished, &display,
                     [&](int index) { showEnded(run, index, names.at(index), display); });
    QObject::connect(&run, &ConversionRun::progressChanged, &display,
                     [&] { display.setSecondsLeft(run.progress().secondsLeft); });
    QObject::connect(&interrupts, &InterruptWatcher::interrupted, &run, [&](int signalNumber) {
        if (run.isFinished())
            return;
        outcome.stopSignal = signalNumber;
        probes.cancelQueued();
        run.stop();
    });
    QEventLoop loop;
    QObject::connect(&run, &ConversionRun::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);

    if (settings.probeDurations)
        for (int i = 0; i < files.size(); ++i)
            if (files.at(i).problem.isEmpty())
                probes.probe(i, files.at(i).entry.s_File_Path());
    run.start();
    if (!run.isFinished())
        loop.exec();
    display.close();
    // A signal whose notice came after the last entry had ended.
    if (outcome.stopSignal == 0 && InterruptWatcher::signalled())
        outcome.stopSignal = InterruptWatcher::signalNumber();

    countOutcome(run, names, outcome);
    return outcome;
}
} // namespace cli

} // namespace quavero
