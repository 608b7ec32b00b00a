// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/core/JobSettings.h"

#include "formats/core/OptionFields.h"
#include "formats/core/OptionText.h"
#include "jobs/core/JobPaths.h"
#include "jobs/core/JobsText.h"
#include "presets/core/NamedOptions.h"

namespace quavero {

namespace jobs {
namespace {
// Speed, gain, treble and bass: the options sox applies.
bool isEffect(const OptionField &field)
{
    return field.kind == OptionKind::Speed || field.kind == OptionKind::Decibels;
}

// Sets the values, each of which must be an option of the record that is
// (or is not) an effect; the reason when one is not.
QString apply(RecordKind record, const QVector<NamedValue> &values, bool effects, FormatRecords &records)
{
    for (const NamedValue &value : values) {
        const OptionField *field = options::byName(record, value.name);
        if (!field || isEffect(*field) != effects)
            return effects ? Text::tr("the format has no effect %1").arg(quotedText(value.name))
                           : Text::tr("the format has no option %1").arg(quotedText(value.name));
    }
    const namedoptions::Applied applied = namedoptions::apply(record, values, records);
    if (!applied.badValues.isEmpty())
        return Text::tr("the option %1 does not take the value %2")
            .arg(quotedText(applied.badValues.first().name), quotedText(applied.badValues.first().value));
    return QString();
}
} // namespace

void describeSettings(const SettingsSnapshot &settings, JobListHeader *header)
{
    const OutputFormat *format = formats::at(settings.formatIndex);
    header->format = format ? format->item.mid(1).toLower() : QString();
    header->options.clear();
    header->effects.clear();
    const RecordKind record = format ? format->record : RecordKind::None;
    for (const OptionField &field : options::fieldsOf(record))
        (isEffect(field) ? header->effects : header->options).append({field.name, options::textOf(field, settings.records)});
    header->copyTags = settings.copyTags;
    header->keepStructure = settings.keepStructure;
}

bool settingsOf(const JobListHeader &header, SettingsSnapshot *settings, QString *error)
{
    const int index = formats::indexFromName(header.format);
    if (index < 0 || header.format != header.format.trimmed()) {
        *error = Text::tr("it names the format %1, which this version does not know").arg(quotedText(header.format));
        return false;
    }
    SettingsSnapshot s;
    s.formatIndex = index;
    const RecordKind record = formats::at(index)->record;
    QString problem = apply(record, header.options, false, s.records);
    if (problem.isEmpty())
        problem = apply(record, header.effects, true, s.records);
    if (!problem.isEmpty()) {
        *error = problem;
        return false;
    }
    s.copyTags = header.copyTags;
    s.keepStructure = header.keepStructure;
    *settings = s;
    return true;
}
} // namespace jobs

} // namespace quavero
