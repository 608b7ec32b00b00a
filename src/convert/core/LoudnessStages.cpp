// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/LoudnessStages.h"

#include "loudness/core/FloatWav.h"
#include "loudness/core/GainContainer.h"
#include "loudness/core/MeteredArguments.h"

namespace quavero {

namespace loudnessplan {
namespace {
bool tagsWanted(const SettingsSnapshot &settings)
{
    return settings.loudness.tags != GainTagMode::None &&
           loudness::takesGainTags(loudness::containerForFormat(settings.formatIndex));
}

// sox's vector is "<input> <output>" and nothing more when no effect applies.
bool soxChangesAudio(const EntryPlan &entry)
{
    for (const PlannedStage &stage : entry.stages)
        if (stage.program == StageProgram::Sox && stage.arguments.size() > 2)
            return true;
    return false;
}
} // namespace

void addStages(EntryPlan &entry, const SettingsSnapshot &settings)
{
    entry.loudness = settings.loudness;
    if (!tagsWanted(settings))
        entry.loudness.tags = GainTagMode::None;
    if (entry.stages.isEmpty() || entry.stages.first().program != StageProgram::Ffmpeg)
        return;
    if (settings.loudness.normalize) {
        PlannedStage &convert = entry.stages.first();
        PlannedStage measure{StageProgram::Ffmpeg, loudness::measureArguments(convert.arguments), QString(),
                             LoudnessTap::Normalize};
        convert.arguments = loudness::withFilterLast(convert.arguments, loudness::kGainPlaceholder);
        entry.stages.prepend(measure);
    }
    if (entry.loudness.tags == GainTagMode::None)
        return;
    if (soxChangesAudio(entry)) {
        entry.stages.append(
            {StageProgram::Ffmpeg, loudness::decodeArguments(entry.publishPath), QString(), LoudnessTap::Track});
        return;
    }
    PlannedStage &convert = entry.stages[settings.loudness.normalize ? 1 : 0];
    convert.arguments = loudness::meteredArguments(convert.arguments);
    convert.tap = LoudnessTap::Track;
}

QString planNote(const SettingsSnapshot &settings)
{
    const OutputFormat *format = formats::at(settings.formatIndex);
    if (settings.loudness.tags == GainTagMode::None || !format || tagsWanted(settings))
        return QString();
    return loudness::noGainTagsNote(format->item);
}
} // namespace loudnessplan

} // namespace quavero
