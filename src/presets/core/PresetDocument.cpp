// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/core/PresetsText.h"
#include "presets/core/PresetDocument.h"

#include "presets/core/NamedOptions.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace quavero {

namespace presets {
namespace {
constexpr int kVersion = 1;
const QLatin1String kPresets("presets");
const QLatin1String kName("name");
const QLatin1String kFormat("format");
const QLatin1String kOptions("options");
const QLatin1String kTemplate("template");
const QLatin1String kRun("run");

// The list of entries, or nothing when the text is not a preset list.
bool entriesOf(const QString &text, QJsonObject *document)
{
    if (text.trimmed().isEmpty()) {
        *document = QJsonObject();
        return true;
    }
    const QJsonDocument json = QJsonDocument::fromJson(text.toUtf8());
    if (!json.isObject() || !json.object().value(kPresets).isArray())
        return false;
    *document = json.object();
    return true;
}

QString textOf(QJsonObject document, const QJsonArray &entries)
{
    // A list a newer version wrote keeps its version number.
    const QLatin1String version("version");
    document.insert(version, qMax(document.value(version).toInt(), kVersion));
    document.insert(kPresets, entries);
    return QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Compact));
}

bool sameName(const QJsonValue &entry, const QString &name)
{
    return entry.toObject().value(kName).toString().trimmed().compare(name.trimmed(), Qt::CaseInsensitive) == 0;
}

// The entry for preset, over what an entry of the same name held before.
QJsonObject entryOf(const Preset &preset, QJsonObject entry)
{
    entry.insert(kName, preset.name);
    entry.insert(kFormat, preset.format);
    entry.insert(kOptions, namedoptions::toJson(preset.options));
    if (preset.nameTemplate)
        entry.insert(kTemplate, *preset.nameTemplate);
    else
        entry.remove(kTemplate);
    entry.insert(kRun, namedoptions::toJson(preset.run));
    return entry;
}
} // namespace

ReadPresets fromText(const QString &text)
{
    ReadPresets read;
    QJsonObject document;
    if (!entriesOf(text, &document)) {
        read.unreadable = true;
        read.warnings << Text::tr("the stored presets cannot be read; they are kept as they are, and saving a preset "
                                  "starts a new list");
        return read;
    }
    const QJsonArray entries = document.value(kPresets).toArray();
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonObject entry = entries.at(i).toObject();
        Preset preset;
        preset.name = entry.value(kName).toString().trimmed();
        preset.format = entry.value(kFormat).toString().trimmed().toLower();
        if (preset.name.isEmpty() || preset.format.isEmpty()) {
            read.warnings << Text::tr("stored preset %1 has no name or no format; it is left out").arg(i + 1);
            continue;
        }
        preset.options = namedoptions::fromJson(entry.value(kOptions).toObject());
        if (const OutputFormat *format = formats::at(formats::indexFromName(preset.format)))
            preset.options = namedoptions::inRecordOrder(format->record, preset.options);
        if (entry.value(kTemplate).isString())
            preset.nameTemplate = entry.value(kTemplate).toString();
        preset.run = namedoptions::fromJson(entry.value(kRun).toObject());
        read.presets.append(preset);
    }
    return read;
}

QString withPreset(const QString &text, const Preset &preset)
{
    QJsonObject document;
    if (!entriesOf(text, &document))
        document = QJsonObject();
    QJsonArray entries = document.value(kPresets).toArray();
    for (int i = 0; i < entries.size(); ++i) {
        if (sameName(entries.at(i), preset.name)) {
            entries.replace(i, entryOf(preset, entries.at(i).toObject()));
            return textOf(document, entries);
        }
    }
    entries.append(entryOf(preset, QJsonObject()));
    return textOf(document, entries);
}

QString withoutPreset(const QString &text, const QString &name, bool *removed)
{
    QJsonObject document;
    bool found = false;
    QString result = text;
    if (entriesOf(text, &document)) {
        QJsonArray entries = document.value(kPresets).toArray();
        for (int i = entries.size() - 1; i >= 0; --i) {
            if (sameName(entries.at(i), name)) {
                entries.removeAt(i);
                found = true;
            }
        }
        if (found)
            result = textOf(document, entries);
    }
    if (removed)
        *removed = found;
    return result;
}

QString withName(const QString &text, const QString &from, const QString &to, bool *renamed)
{
    QJsonObject document;
    bool found = false;
    QString result = text;
    if (entriesOf(text, &document)) {
        QJsonArray entries = document.value(kPresets).toArray();
        for (int i = 0; i < entries.size() && !found; ++i) {
            if (sameName(entries.at(i), from)) {
                QJsonObject entry = entries.at(i).toObject();
                entry.insert(kName, to.trimmed());
                entries.replace(i, entry);
                found = true;
            }
        }
        if (found)
            result = textOf(document, entries);
    }
    if (renamed)
        *renamed = found;
    return result;
}
} // namespace presets

} // namespace quavero
