// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/LineSettings.h"

#include "cli/CliText.h"
#include "cli/OptionValues.h"
#include "formats/core/FormatTable.h"
#include "formats/core/OptionFields.h"
#include "formats/core/OptionText.h"
#include "presets/core/PresetUse.h"
#include "presets/core/RunChoices.h"

namespace quavero {

namespace cli {
namespace {
QString formatName(int index) { return formats::at(index)->item.mid(1).toLower(); }

bool applies(const LineSetting &setting, const Request &request, const LineChoices &line)
{
    return !setting.fromPreset || line.presetFormat == request.formatIndex;
}
} // namespace

QString usePreset(const QList<Preset> &presets, const QString &name, LineChoices &line, Request &request,
                  QStringList &warnings)
{
    const Preset *preset = presets::find(presets, name);
    if (!preset) {
        QStringList names;
        for (const Preset &p : presets)
            names << p.name;
        return Text::tr("unknown preset '%1'; the presets are: %2").arg(name, names.join(QLatin1String("; ")));
    }
    const UsablePreset usable = presets::usable(*preset);
    if (!usable.ok())
        return usable.error;
    warnings << usable.warnings;
    line.formatText = formatName(usable.formatIndex);
    line.presetFormat = usable.formatIndex;
    line.settings.clear();
    for (const NamedValue &option : usable.options)
        line.settings.append({option.name, option.value, true});
    request.presetName = preset->name;
    if (usable.nameTemplate) {
        request.nameTemplate = *usable.nameTemplate;
        line.templateGiven = true;
    }
    PresetSettings run;
    run.copyTags = request.copyTags;
    run.keepStructure = !request.flat;
    for (const NamedValue &setting : usable.run) {
        runchoices::apply(setting, run);
        line.tagsGiven = line.tagsGiven || setting.name == QLatin1String("tags");
        line.foldersGiven = line.foldersGiven || setting.name == QLatin1String("folders");
    }
    request.copyTags = run.copyTags;
    request.flat = !run.keepStructure;
    return QString();
}

QString applySettings(Request &request, const LineChoices &line, QStringList &warnings)
{
    const OutputFormat *format = formats::at(request.formatIndex);
    const QString fmt = formatName(request.formatIndex);
    const QVector<OptionField> &fields = options::fieldsOf(format->record);
    bool presetLeftOut = false;
    for (const LineSetting &setting : line.settings) {
        if (!applies(setting, request, line)) {
            presetLeftOut = true;
            continue;
        }
        if (fields.isEmpty())
            return Text::tr("%1 has no options, so --set %2 cannot apply").arg(fmt, setting.name);
        const OptionField *field = options::byName(format->record, setting.name);
        if (!field) {
            QStringList names;
            for (const OptionField &f : fields)
                names << f.name;
            return Text::tr("%1 has no option '%2'; its options are: %3")
                .arg(fmt, setting.name, names.join(QLatin1String(", ")));
        }
        double stored = 0;
        QString why;
        if (!valueFromText(*field, setting.value, &stored, &why))
            return QStringLiteral("%1: %2").arg(fmt, why);
        field->set(request.records, stored);
    }
    if (presetLeftOut)
        warnings << Text::tr("the preset '%1' is for %2, but the format is %3: its options are left out")
                        .arg(request.presetName, formatName(line.presetFormat), fmt);
    return QString();
}

Preset presetFromLine(const QString &name, const Request &request, const LineChoices &line)
{
    Preset preset;
    preset.name = name.trimmed();
    preset.format = formatName(request.formatIndex);
    const RecordKind record = formats::at(request.formatIndex)->record;
    QStringList named;
    for (const LineSetting &setting : line.settings)
        if (applies(setting, request, line))
            if (const OptionField *field = options::byName(record, setting.name))
                named << field->name;
    for (const OptionField &field : options::fieldsOf(record))
        if (named.contains(field.name))
            preset.options.append({field.name, options::textOf(field, request.records)});
    if (line.templateGiven)
        preset.nameTemplate = request.nameTemplate;
    PresetSettings run;
    run.copyTags = request.copyTags;
    run.keepStructure = !request.flat;
    for (const NamedValue &setting : runchoices::of(run))
        if ((setting.name == QLatin1String("tags") && line.tagsGiven) ||
            (setting.name == QLatin1String("folders") && line.foldersGiven))
            preset.run.append(setting);
    return preset;
}
} // namespace cli

} // namespace quavero
