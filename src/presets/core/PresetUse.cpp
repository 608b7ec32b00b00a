// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/core/PresetUse.h"

#include "naming/core/NameTemplate.h"
#include "presets/core/NamedOptions.h"
#include "presets/core/PresetsText.h"
#include "presets/core/RunChoices.h"

#include <QRegularExpression>

namespace quavero {

namespace presets {
namespace {
QString withoutRemark(const QString &name)
{
    static const QRegularExpression remark(QStringLiteral("\\s*\\([^)]*\\)\\s*$"));
    return QString(name).remove(remark).trimmed();
}

QString joined(const QVector<NamedValue> &values)
{
    QStringList parts;
    for (const NamedValue &v : values)
        parts << v.name + QLatin1Char('=') + v.value;
    return parts.join(QLatin1String(", "));
}
} // namespace

UsablePreset usable(const Preset &preset)
{
    UsablePreset out;
    const QString name = preset.name;
    out.formatIndex = formats::indexFromName(preset.format);
    if (out.formatIndex < 0) {
        out.error =
            Text::tr("the preset '%1' is for the format '%2', which this version does not have").arg(name, preset.format);
        return out;
    }
    const OutputFormat *format = formats::at(out.formatIndex);
    const QString formatName = format->item.mid(1).toLower();
    // Each option is tried on a scratch record, so that only those that read
    // are kept, in the preset's order.
    FormatRecords scratch = startRecords();
    for (const NamedValue &option : preset.options) {
        const namedoptions::Applied applied = namedoptions::apply(format->record, {option}, scratch);
        if (!applied.unknownNames.isEmpty())
            out.warnings << Text::tr("preset '%1': %2 has no option '%3' in this version; it is left out")
                                .arg(name, formatName, option.name);
        else if (!applied.badValues.isEmpty())
            out.warnings << Text::tr("preset '%1': '%2' is not a value of %3 in this version; it is left out")
                                .arg(name, option.value, option.name);
        else
            out.options.append(option);
    }
    if (preset.nameTemplate && !preset.nameTemplate->isEmpty()) {
        const naming::ParsedTemplate parsed = naming::parseTemplate(*preset.nameTemplate);
        if (parsed.ok())
            out.nameTemplate = preset.nameTemplate;
        else
            out.warnings << Text::tr("preset '%1': its name template is left out: %2").arg(name, parsed.error);
    } else {
        out.nameTemplate = preset.nameTemplate;
    }
    PresetSettings scratchSettings;
    for (const NamedValue &setting : preset.run) {
        if (!runchoices::names().contains(setting.name))
            out.warnings << Text::tr("preset '%1': the run setting '%2' is not known to this version; it is left out")
                                .arg(name, setting.name);
        else if (!runchoices::apply(setting, scratchSettings))
            out.warnings << Text::tr("preset '%1': '%2' is not a value of %3; it is left out")
                                .arg(name, setting.value, setting.name);
        else
            out.run.append(setting);
    }
    return out;
}

void apply(const UsablePreset &preset, PresetSettings &settings, const FormatRecords &startValues)
{
    const OutputFormat *format = formats::at(preset.formatIndex);
    if (!preset.ok() || !format)
        return;
    settings.formatIndex = preset.formatIndex;
    namedoptions::restoreStartValues(format->record, settings.records, startValues);
    namedoptions::apply(format->record, preset.options, settings.records);
    if (preset.nameTemplate)
        settings.nameTemplate = *preset.nameTemplate;
    for (const NamedValue &setting : preset.run)
        runchoices::apply(setting, settings);
}

Preset capture(const QString &name, const PresetSettings &settings)
{
    Preset preset;
    preset.name = name.trimmed();
    const OutputFormat *format = formats::at(settings.formatIndex);
    if (format) {
        preset.format = format->item.mid(1).toLower();
        preset.options = namedoptions::of(format->record, settings.records);
    }
    preset.nameTemplate = settings.nameTemplate;
    preset.run = runchoices::of(settings);
    return preset;
}

const Preset *find(const QList<Preset> &presets, const QString &name)
{
    const QString wanted = name.trimmed();
    for (const Preset &p : presets)
        if (p.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return &p;
    const Preset *found = nullptr;
    for (const Preset &p : presets) {
        if (withoutRemark(p.name).compare(wanted, Qt::CaseInsensitive) != 0)
            continue;
        if (found)
            return nullptr;
        found = &p;
    }
    return found;
}

QString shownName(const Preset &preset)
{
    return preset.builtIn ? QCoreApplication::translate("Presets", preset.name.toUtf8().constData()) : preset.name;
}

QString description(const Preset &preset)
{
    QString text = preset.format;
    if (!preset.options.isEmpty())
        text += QStringLiteral(": ") + joined(preset.options);
    if (preset.nameTemplate)
        text += QStringLiteral("; ") + (preset.nameTemplate->isEmpty() ? Text::tr("names from the inputs")
                                                                       : Text::tr("names %1").arg(*preset.nameTemplate));
    if (!preset.run.isEmpty())
        text += QStringLiteral("; ") + joined(preset.run);
    return text;
}
} // namespace presets

} // namespace quavero
