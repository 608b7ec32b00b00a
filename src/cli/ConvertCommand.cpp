// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ConvertCommand.h"

#include "cli/CliText.h"
#include "cli/Printing.h"
#include "cli/DryRun.h"
#include "cli/ExitStatus.h"
#include "cli/InputFiles.h"
#include "cli/InterruptWatcher.h"
#include "cli/ProgressDisplay.h"
#include "cli/RunFiles.h"
#include "cli/StreamProbes.h"
#include "cli/Summary.h"
#include "cli/FormatListing.h"
#include "convert/core/EffectsArguments.h"
#include "convert/core/EncoderCommand.h"
#include "convert/core/RunPlanner.h"
#include "mirror/engine/DestinationRecord.h"
#include "naming/engine/EntryNames.h"
#include "mirror/engine/OutputLedger.h"
#include "convert/engine/ProgramCheck.h"
#include "formats/core/ChoiceLimits.h"
#include "platform/core/ChildProcess.h"
#include "platform/core/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <cstdio>

namespace quavero {

namespace cli {
namespace {
int status(ExitStatus s) { return int(s); }

// Creates the output folder when it is missing; false (and says why) when it
// cannot be used.
bool prepareOutputFolder(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return true;
    if (QFileInfo::exists(folder)) {
        complain(Text::tr("the output folder %1 is a file; name a folder with -o").arg(folder));
        return false;
    }
    if (!fs::createFolderWithParents(folder)) {
        complain(Text::tr("cannot create the output folder %1; check that you may write there, or name "
                          "another with -o")
                     .arg(folder));
        return false;
    }
    return true;
}

// Asking each program for its version costs as much as converting a short
// file, so that is done only when a program is not even there; one that is
// there but broken shows in the reason of every file it fails.
bool programsPresent(const SettingsSnapshot &settings, const ProgramPaths &programs)
{
    const bool present = child::canRun(programs.ffmpeg) &&
                         (!encoder::effectsFollow(settings.formatIndex, settings.records) || child::canRun(programs.sox));
    const MissingProgram missing =
        present ? MissingProgram{}
                : programs::firstMissing(settings.formatIndex, settings.records, programs.ffmpeg, programs.sox);
    if (missing.name.isEmpty())
        return true;
    complain(programs::missingMessage(missing) + QLatin1Char(' ') + programs::missingInformative(missing));
    return false;
}

// The run's plan. What it would do with some entries depends on their audio
// (a copy of the same format): ffmpeg is asked about those only, and the
// plan made again.
RunPlan planWithStreams(DestinationRecord &record, const SettingsSnapshot &settings, QList<PlanInput> inputs,
                        const ProgramPaths &programs, int jobs)
{
    const qint64 processId = QCoreApplication::applicationPid();
    const RunPlan plan = record.plan(settings, inputs, processId);
    const QList<int> wanted = runplan::streamsWanted(plan);
    if (wanted.isEmpty())
        return plan;
    probeStreams(inputs, wanted, programs.ffmpeg, jobs);
    return record.plan(settings, inputs, processId);
}

int printDryRun(const RunPlan &plan, const ProgramPaths &programs)
{
    const DryRunLines lines = dryRun(plan, programs);
    if (!lines.commands.isEmpty())
        print(stdout, lines.commands.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    for (const QString &problem : lines.problems)
        complain(problem);
    for (const QString &note : plan.warnings)
        complain(note);
    return status(lines.problems.isEmpty() ? ExitStatus::Converted : ExitStatus::SomeFailed);
}

} // namespace

int jobsFor(const Request &request) { return request.jobs > 0 ? request.jobs : qMax(1, QThread::idealThreadCount()); }

bool readyToRun(const SettingsSnapshot &settings, const ProgramPaths &programs, const QString &destination)
{
    return programsPresent(settings, programs) && prepareOutputFolder(destination);
}

int convertPlan(const Request &request, const RunPlan &plan, const ProgramPaths &programs,
                std::shared_ptr<OutputLedger> ledger, const RunHooks &hooks)
{
    InterruptWatcher interrupts;
    const ProgressDisplay::Mode mode = ProgressDisplay::modeFor(stdout, request.quiet);
    // Entries up to date take no step of their own on the display.
    const int steps = int(std::count_if(plan.entries.cbegin(), plan.entries.cend(),
                                        [](const EntryPlan &entry) { return entry.action != PlanAction::Skip; }));
    ProgressDisplay display(mode, steps, stdout);
    RunFilesSettings settings;
    settings.programs = programs;
    settings.ledger = std::move(ledger);
    settings.entryStarted = hooks.entryStarted;
    settings.entryEnded = hooks.entryEnded;
    settings.ownTemporariesOnly = hooks.ownTemporariesOnly;
    settings.jobs = jobsFor(request);
    settings.probeDurations = mode == ProgressDisplay::Mode::Live;
    const RunOutcome outcome = runFiles(plan, settings, display, interrupts);

    const int failed = outcome.count(EntryFate::Failed);
    QString summary = summaryText(outcome);
    const QString details = failureDetails(outcome);
    if (request.verbose && !details.isEmpty())
        summary += QLatin1Char('\n') + details + QLatin1Char('\n');
    if (!request.quiet)
        print(stdout, summary);
    else if (failed > 0 || outcome.stopSignal != 0 || !outcome::warnings(outcome).isEmpty())
        print(stderr, summary);
    if (outcome.stopSignal != 0)
        return 128 + outcome.stopSignal;
    return status(failed > 0 ? ExitStatus::SomeFailed : ExitStatus::Converted);
}

QString idleEffectsWarning(const Request &request)
{
    const EffectValues effects = effects::valuesFor(request.formatIndex, request.records);
    const bool wanted = effects.speed != 1.0f || effects.gain != 0 || effects.treble != 0 || effects.bass != 0;
    if (!wanted || encoder::effectsFollow(request.formatIndex, request.records))
        return QString();
    const OutputFormat *format = formats::at(request.formatIndex);
    return Text::tr("speed, gain, treble and bass apply to %1 only with %2; they are left out")
        .arg(format->item.mid(1).toLower(), effectsCondition(format->effects));
}

SettingsSnapshot snapshotOf(const Request &request)
{
    SettingsSnapshot settings;
    settings.formatIndex = request.formatIndex;
    settings.records = request.records;
    settings.copyTags = request.copyTags;
    settings.keepStructure = !request.flat;
    settings.update = request.update;
    settings.deleteOrphans = request.deleteOrphans;
    settings.copySameFormat = request.copySameFormat;
    settings.loudness = request.loudness;
    settings.nameTemplate = request.nameTemplate;
    return settings;
}

bool choicesUsable(const Request &request)
{
    const QString refused = formats::refusedChoice(request.formatIndex, request.records);
    if (refused.isEmpty())
        return true;
    complain(refused + QLatin1Char(' ') + Text::tr("Choose another with --set."));
    return false;
}

QList<PlanInput> inputsOf(const Request &request)
{
    const QString idle = idleEffectsWarning(request);
    if (!idle.isEmpty())
        complain(idle);
    const CollectedInputs inputs = collectInputs(request.inputs, request.recursive);
    for (const QString &warning : inputs.warnings)
        complain(warning);
    QList<PlanInput> planInputs;
    planInputs.reserve(inputs.files.size());
    for (const InputFile &file : inputs.files)
        planInputs.append({file.entry, file.problem});
    if (!request.nameTemplate.isEmpty())
        naming::readTags(planInputs);
    return planInputs;
}

QString destinationOf(const Request &request)
{
    return QDir::cleanPath(QFileInfo(request.outputFolder).absoluteFilePath());
}

int runConversion(const Request &request, const ProgramPaths &programs)
{
    // An option the encoder cannot take is refused before anything is read or written.
    if (!choicesUsable(request))
        return status(ExitStatus::UsageError);
    const QList<PlanInput> planInputs = inputsOf(request);
    const QString destination = destinationOf(request);
    const SettingsSnapshot settings = snapshotOf(request);

    if (request.dryRun) {
        DestinationRecord record(destination, settings, false);
        if (!record.problem().isEmpty())
            complain(record.problem());
        return printDryRun(planWithStreams(record, settings, planInputs, programs, jobsFor(request)), programs);
    }
    if (!readyToRun(settings, programs, destination))
        return status(ExitStatus::SomeFailed);
    DestinationRecord record(destination, settings, true);
    if (!record.problem().isEmpty())
        complain(record.problem());
    const RunPlan plan = planWithStreams(record, settings, planInputs, programs, jobsFor(request));
    record.ledger()->noteBeforeRun(plan);
    return convertPlan(request, plan, programs, record.ledger());
}
} // namespace cli

} // namespace quavero
