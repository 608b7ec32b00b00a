// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/RunFiles.h"

#include "cli/DurationProbes.h"
#include "cli/ProgressDisplay.h"
#include "cli/ShownPath.h"
#include "convert/engine/ConversionRun.h"
#include "convert/engine/RunDetails.h"
#include "loudness/engine/RunGains.h"

#include <QEventLoop>

namespace quavero {

namespace cli {
namespace {
RunSetup setupFor(const RunPlan &plan, const RunFilesSettings &settings)
{
    RunSetup setup;
    setup.plan = plan;
    setup.waitForDurations = settings.probeDurations;
    setup.pacing.firstDelayMs = 0;
    setup.pacing.pauseMs = 0;
    setup.pacing.filesAtOnce = settings.jobs;
    setup.ownTemporariesOnly = settings.ownTemporariesOnly;
    return setup;
}

// One line on the display for an entry that has ended.
void showEnded(const ConversionRun &run, int index, const QString &name, ProgressDisplay &display)
{
    const QString output = shownPath(run.result(index).finalPath);
    switch (run.state(index)) {
    case EntryState::Converted:
        if (run.entry(index).action == PlanAction::Remove)
            display.removed(index, output);
        else if (run.entry(index).action == PlanAction::Copy)
            display.copied(index, name, output);
        else
            display.converted(index, name, output);
        break;
    case EntryState::Failed:
        display.failed(index, name, run.result(index).reason);
        break;
    default:
        display.stopped(index, name);
        break;
    }
}
} // namespace

RunOutcome runFiles(const RunPlan &plan, const RunFilesSettings &settings, ProgressDisplay &display,
                    InterruptWatcher &interrupts)
{
    ConversionRun run(setupFor(plan, settings),
                      runjobs::forPlans(settings.programs, settings.ledger, RunGains::forPlan(plan, settings.ledger)));
    run.setStopPending(&InterruptWatcher::signalled);
    DurationProbes probes(settings.programs.ffmpeg, settings.jobs);
    QStringList names;
    for (const EntryPlan &entry : plan.entries)
        names << shownEntry(entry.input);
    int stopSignal = 0;

    QObject::connect(&probes, &DurationProbes::probed, &run, &ConversionRun::entryReady);
    QObject::connect(&run, &ConversionRun::entryStarted, &display, [&](int index) {
        if (settings.entryStarted)
            settings.entryStarted(index);
        display.started(index, names.at(index));
    });
    QObject::connect(&run, &ConversionRun::entryProgressed, &display,
                     [&](int index) { display.progressed(index, run.reading(index)); });
    QObject::connect(&run, &ConversionRun::entryFinished, &display, [&](int index) {
        if (settings.entryEnded)
            settings.entryEnded(run, index);
        showEnded(run, index, names.at(index), display);
    });
    QObject::connect(&run, &ConversionRun::progressChanged, &display,
                     [&] { display.setSecondsLeft(run.progress().secondsLeft); });
    QObject::connect(&interrupts, &InterruptWatcher::interrupted, &run, [&](int signalNumber) {
        if (run.isFinished())
            return;
        stopSignal = signalNumber;
        probes.cancelQueued();
        run.stop();
    });
    QEventLoop loop;
    QObject::connect(&run, &ConversionRun::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);

    if (settings.probeDurations)
        for (int i = 0; i < plan.entries.size(); ++i)
            if (plan.entries.at(i).action == PlanAction::Convert)
                probes.probe(i, plan.entries.at(i).input.s_File_Path());
    run.start();
    if (!run.isFinished())
        loop.exec();
    display.close();
    // A signal whose notice came after the last entry had ended.
    if (stopSignal == 0 && InterruptWatcher::signalled())
        stopSignal = InterruptWatcher::signalNumber();
    return rundetails::outcome(run, &shownPath, stopSignal);
}
} // namespace cli

} // namespace quavero
