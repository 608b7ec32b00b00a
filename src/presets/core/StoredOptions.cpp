// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/core/StoredOptions.h"

#include "presets/core/NamedOptions.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace quavero {

namespace storedoptions {
namespace {
const OutputFormat *firstFormatOf(RecordKind record)
{
    for (const OutputFormat &f : formats::all())
        if (f.record == record)
            return &f;
    return nullptr;
}
} // namespace

QString keyOf(RecordKind record)
{
    const OutputFormat *format = firstFormatOf(record);
    return (format && record != RecordKind::None) ? QStringLiteral("Quavero_Options_") + format->recordName : QString();
}

QList<RecordKind> recordsWithOptions()
{
    QList<RecordKind> kinds;
    for (const OutputFormat &f : formats::all())
        if (f.record != RecordKind::None && !kinds.contains(f.record))
            kinds << f.record;
    return kinds;
}

QString textOf(RecordKind record, const FormatRecords &records, const QString &previous)
{
    QJsonObject object = QJsonDocument::fromJson(previous.toUtf8()).object();
    for (const NamedValue &v : namedoptions::of(record, records))
        object.insert(v.name, v.value);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QStringList read(RecordKind record, const QString &text, FormatRecords &records)
{
    if (text.trimmed().isEmpty())
        return {};
    const QJsonDocument json = QJsonDocument::fromJson(text.toUtf8());
    if (!json.isObject())
        return {QStringLiteral("*")};
    const namedoptions::Applied applied = namedoptions::apply(record, namedoptions::fromJson(json.object()), records);
    QStringList unread;
    for (const NamedValue &bad : applied.badValues)
        unread << bad.name;
    return unread;
}
} // namespace storedoptions

} // namespace quavero
