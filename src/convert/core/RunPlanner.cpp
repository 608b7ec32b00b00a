// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/RunPlanner.h"

#include "formats/core/ChoiceLimits.h"
#include "convert/core/EffectsArguments.h"
#include "convert/core/LoudnessStages.h"
#include "convert/core/OutputPlan.h"
#include "convert/core/OutputSafety.h"
#include "convert/core/PlannedNames.h"
#include "convert/core/SameAsInput.h"
#include "convert/core/SameFormat.h"
#include "convert/core/TagTarget.h"
#include "convert/core/TemporaryName.h"
#include "cue/core/TrackEntry.h"
#include "mirror/core/Fingerprint.h"
#include "mirror/core/KeptNames.h"
#include "mirror/core/MirrorPlan.h"
#include "mirror/core/RecordTable.h"

#include <QFileInfo>
#include <QSet>

namespace quavero {

namespace runplan {
namespace {
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
    entry.publishPath.clear();
    entry.tagScratchPath.clear();
    entry.tagSource.clear();
    return entry;
}

// The base names the record keeps for the entries (numbered names stay with
// their inputs), one for each convertible entry; empty without a record.
QStringList keptBaseNames(const QList<NodeVideoFile> &entries, const EntryNames &names,
                          const SettingsSnapshot &settings, const PlanWorld &world)
{
    const OutputFormat *format = formats::at(settings.formatIndex);
    if (!world.record || world.record->isEmpty() || !format)
        return {};
    QList<NamedEntry> named;
    named.reserve(entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        const PlanEntry &entry = names.entries.at(i);
        const QString subfolder = names.keepStructure ? outputplan::safeSubfolder(entry.relativeFolder) : QString();
        const QString relative =
            (subfolder.isEmpty() ? QString() : subfolder + QLatin1Char('/')) + entry.baseName + format->extension;
        named.append({entries.at(i).s_File_Path(), relative});
    }
    QStringList kept;
    for (const QString &output : mirror::keptOutputs(*world.record, named))
        kept << (output.isEmpty() ? QString() : QFileInfo(output).completeBaseName());
    return kept;
}

// ffmpeg's arguments for the entry: a whole file, or a track cut out of its image.
QStringList ffmpegArguments(const EntryPlan &entry, const SettingsSnapshot &settings, const QString &output)
{
    const QStringList arguments = encoder::arguments(settings.formatIndex, entry.input, settings.records, output);
    const ImageTrack &track = entry.input.m_Track();
    return track.isTrack() ? cue::trackArguments(arguments, track) : arguments;
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

QList<int> streamsWanted(const RunPlan &plan)
{
    QList<int> wanted;
    for (int i = 0; i < plan.entries.size(); ++i) {
        const EntryPlan &entry = plan.entries.at(i);
        if (entry.action != PlanAction::Convert || entry.input.m_Audio_Stream().known())
            continue;
        // A copy is decided from the stream; so are arguments that keep the
        // input's rate, channels or sample size, or leave a film's video out.
        const bool copyCandidate =
            plan.settings.copySameFormat && sameformat::candidate(entry.input, plan.settings.formatIndex);
        if (copyCandidate ||
            sameinput::needsStream(entry.formatIndex, plan.settings.records, entry.input.s_File_Extension()))
            wanted << i;
    }
    return wanted;
}

QString fingerprintOf(const SettingsSnapshot &settings)
{
    QStringList extras;
    if (settings.copySameFormat)
        extras << QStringLiteral("copy-same-format");
    extras << loudness::fingerprintWords(settings.loudness);
    if (!settings.nameTemplate.isEmpty())
        extras << QStringLiteral("name=") + settings.nameTemplate;
    return mirror::fingerprint(settings.formatIndex, settings.records,
                               effects::valuesFor(settings.formatIndex, settings.records), extras);
}

bool planStages(EntryPlan &entry, const SettingsSnapshot &settings, const QString &destinationFolder, qint64 processId)
{
    entry.stages.clear();
    entry.intermediatePath.clear();
    const OutputFormat *format = formats::at(settings.formatIndex);
    if (!format)
        return false;
    const QString baseName =
        entry.output.baseName.isEmpty() ? entry.input.s_File_Name_Without_Extension() : entry.output.baseName;
    entry.finalFolder = encoder::outputFolder(destinationFolder, entry.output.subfolder);
    entry.finalPath = encoder::finalPath(entry.finalFolder, baseName, format->extension);
    entry.tagScratchPath = tempname::pathFor(entry.finalPath, processId, QStringLiteral("tag"));
    if (!encoder::effectsFollow(settings.formatIndex, settings.records)) {
        entry.publishPath = tempname::pathFor(entry.finalPath, processId, QStringLiteral("enc"));
        entry.stages.append({StageProgram::Ffmpeg, ffmpegArguments(entry, settings, entry.publishPath), entry.publishPath});
        loudnessplan::addStages(entry, settings);
        return true;
    }
    entry.intermediatePath = tempname::pathFor(entry.finalPath, processId, QStringLiteral("enc"));
    entry.publishPath = tempname::pathFor(entry.finalPath, processId, QStringLiteral("fx"));
    entry.stages.append(
        {StageProgram::Ffmpeg, ffmpegArguments(entry, settings, entry.intermediatePath), entry.intermediatePath});
    entry.stages.append({StageProgram::Sox,
                         effects::arguments(entry.intermediatePath, entry.publishPath,
                                            effects::valuesFor(settings.formatIndex, settings.records)),
                         entry.publishPath});
    loudnessplan::addStages(entry, settings);
    return true;
}

RunPlan make(const SettingsSnapshot &settings, const QList<PlanInput> &inputs, const QString &destinationFolder,
             qint64 processId, const PlanWorld &world)
{
    RunPlan plan;
    plan.settings = settings;
    plan.destinationFolder = destinationFolder;
    plan.processId = processId;
    plan.entries.reserve(inputs.size());

    QList<NodeVideoFile> convertible;
    for (const PlanInput &input : inputs)
        if (input.problem.isEmpty())
            convertible << input.entry;
    const OutputFormat *format = formats::at(settings.formatIndex);
    const QString extension = format ? format->extension : QString();
    EntryNames names = plannednames::forInputs(settings, inputs, extension);
    const QStringList kept = keptBaseNames(convertible, names, settings, world);
    for (int i = 0; i < kept.size() && i < names.entries.size(); ++i)
        names.entries[i].keptBaseName = kept.at(i);
    const QList<PlannedOutput> named =
        outputplan::plan(names.entries, destinationFolder, extension, names.keepStructure, world.exists);
    const QSet<QString> canonicalInputs = safety::canonicalInputs(inputPathsOf(inputs), world.canonical);
    const bool copiesTags = settings.copyTags && tags::targetFor(settings.formatIndex).writes();
    // An option the encoder cannot take would fail every entry it encodes.
    const QString refused = formats::refusedChoice(settings.formatIndex, settings.records);
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
        entry.namingNote = names.notes.at(next);
        ++next;
        if (!names.problem.isEmpty()) {
            plan.entries.append(failed(entry, names.problem));
            continue;
        }
        if (!planStages(entry, settings, destinationFolder, processId)) {
            plan.entries.append(
                failed(entry, QStringLiteral("there is no output format number %1").arg(settings.formatIndex)));
            continue;
        }
        // A copy is never measured nor normalised: loudness asks for a conversion.
        if (settings.copySameFormat && settings.loudness == LoudnessSettings{} &&
            sameformat::copies(input.entry, settings.formatIndex, settings.records)) {
            // Already what the output would be: its bytes, tags and all, are
            // copied and published as a converted file is.
            entry.action = PlanAction::Copy;
            entry.stages.clear();
            entry.intermediatePath.clear();
            entry.publishPath = tempname::pathFor(entry.finalPath, processId, QStringLiteral("copy"));
        }
        if (entry.action == PlanAction::Convert && !refused.isEmpty()) {
            plan.entries.append(failed(entry, refused));
            continue;
        }
        if (safety::outputReplacesInput(entry.writes(), canonicalInputs, world.canonical)) {
            plan.entries.append(failed(entry, safety::replacesInputReason()));
            continue;
        }
        if (copiesTags && entry.action == PlanAction::Convert)
            entry.tagSource = input.entry.s_File_Path().isEmpty() ? input.entry.s_File_URL().toLocalFile()
                                                                  : input.entry.s_File_Path();
        plan.entries.append(entry);
    }
    const QString loudnessNote = loudnessplan::planNote(settings);
    if (!loudnessNote.isEmpty())
        plan.warnings << loudnessNote;
    if (settings.update || settings.deleteOrphans)
        mirror::planMirror(plan, inputs, world);
    return plan;
}
} // namespace runplan

} // namespace quavero
