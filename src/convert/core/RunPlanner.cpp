// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/RunPlanner.h"

#include "convert/core/EffectsArguments.h"
#include "convert/core/OutputPlan.h"
#include "convert/core/OutputSafety.h"
#include "convert/core/TagTarget.h"

#include <QDir>
#include <QSet>

namespace quavero {

namespace runplan {
namespace {
QString key(const QString &path) { return QDir::cleanPath(path).toCaseFolded(); }

// Every path under which an entry's input file may be named.
QStringList inputPathsOf(const QList<PlanInput> &inputs)
{
    QStringList paths;
    for (const PlanInput &input : inputs) {
        paths << input.entry.s_File_Path();
        if (input.entry.s_File_URL().isLocalFile())
            paths << input.entry.s_File_URL().toLocalFile();
    }
    return paths;
}

EntryPlan failed(EntryPlan entry, const QString &problem)
{
    entry.action = PlanAction::Fail;
    entry.problem = problem;
    entry.stages.clear();
    entry.intermediatePath.clear();
    entry.tagSource.clear();
    return entry;
}
} // namespace

QList<PlanInput> inputsFrom(const QList<NodeVideoFile> &entries)
{
    QList<PlanInput> inputs;
    inputs.reserve(entries.size());
    for (const NodeVideoFile &entry : entries)
        inputs.append({entry, QString()});
    return inputs;
}

bool planStages(EntryPlan &entry, const SettingsSnapshot &settings, const QString &destinationFolder,
                const QString &workFolder, int intermediateNumber)
{
    const EncoderCommand command = encoder::build(settings.formatIndex, entry.input, destinationFolder, workFolder,
                                                  settings.records, entry.output, intermediateNumber);
    entry.stages.clear();
    entry.intermediatePath.clear();
    if (!command.valid)
        return false;
    entry.finalFolder = command.finalFolder;
    entry.finalPath = command.finalPath;
    entry.stages.append({StageProgram::Ffmpeg, command.arguments, command.ffmpegOutputPath});
    if (command.effects) {
        entry.intermediatePath = command.ffmpegOutputPath;
        entry.stages.append({StageProgram::Sox,
                             effects::arguments(entry.intermediatePath, entry.finalPath,
                                                effects::valuesFor(settings.formatIndex, settings.records)),
                             entry.finalPath});
    }
    return true;
}

RunPlan make(const SettingsSnapshot &settings, const QList<PlanInput> &inputs, const QString &destinationFolder,
             const QString &workFolder, const PlanWorld &world)
{
    RunPlan plan;
    plan.settings = settings;
    plan.destinationFolder = destinationFolder;
    plan.workFolder = workFolder;
    plan.entries.reserve(inputs.size());

    QList<NodeVideoFile> convertible;
    for (const PlanInput &input : inputs)
        if (input.problem.isEmpty())
            convertible << input.entry;
    const QList<PlannedOutput> named = outputplan::planEntries(convertible, destinationFolder, settings.formatIndex,
                                                               settings.keepStructure, world.exists);
    const QSet<QString> canonicalInputs = safety::canonicalInputs(inputPathsOf(inputs), world.canonical);
    const bool copiesTags = settings.copyTags && tags::targetFor(settings.formatIndex).writes();
    QSet<QString> intermediates; // taken by an earlier entry of the run
    int next = 0;
    for (const PlanInput &input : inputs) {
        EntryPlan entry;
        entry.formatIndex = settings.formatIndex;
        entry.input = input.entry;
        if (!input.problem.isEmpty()) {
            plan.entries.append(failed(entry, input.problem));
            continue;
        }
        entry.output = named.at(next).name;
        entry.renamed = named.at(next).renamed;
        ++next;
        bool valid = true;
        for (int number = 1; valid; ++number) {
            valid = planStages(entry, settings, destinationFolder, workFolder, number);
            if (entry.intermediatePath.isEmpty() || !intermediates.contains(key(entry.intermediatePath)))
                break;
        }
        if (!valid) {
            plan.entries.append(
                failed(entry, QStringLiteral("there is no output format number %1").arg(settings.formatIndex)));
            continue;
        }
        if (!entry.intermediatePath.isEmpty())
            intermediates.insert(key(entry.intermediatePath));
        if (safety::outputReplacesInput(entry.writes(), canonicalInputs, world.canonical)) {
            plan.entries.append(failed(entry, safety::replacesInputReason()));
            continue;
        }
        if (copiesTags)
            entry.tagSource = input.entry.s_File_Path().isEmpty() ? input.entry.s_File_URL().toLocalFile()
                                                                  : input.entry.s_File_Path();
        plan.entries.append(entry);
    }
    return plan;
}
} // namespace runplan

} // namespace quavero
