// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/core/NamedOptions.h"

#include "formats/core/OptionText.h"

namespace quavero {

namespace namedoptions {
QVector<NamedValue> of(RecordKind record, const FormatRecords &records)
{
    QVector<NamedValue> values;
    for (const OptionField &field : options::fieldsOf(record))
        values.append({field.name, options::textOf(field, records)});
    return values;
}

Applied apply(RecordKind record, const QVector<NamedValue> &values, FormatRecords &records)
{
    Applied applied;
    for (const NamedValue &v : values) {
        const OptionField *field = options::byName(record, v.name);
        double stored = 0;
        if (!field)
            applied.unknownNames << v.name;
        else if (!options::valueFromText(*field, v.value, &stored))
            applied.badValues.append(v);
        else
            field->set(records, stored);
    }
    return applied;
}

QVector<NamedValue> inRecordOrder(RecordKind record, const QVector<NamedValue> &values)
{
    QVector<NamedValue> ordered;
    for (const OptionField &field : options::fieldsOf(record))
        for (const NamedValue &v : values)
            if (field.name.compare(v.name, Qt::CaseInsensitive) == 0)
                ordered.append(v);
    for (const NamedValue &v : values)
        if (!options::byName(record, v.name))
            ordered.append(v);
    return ordered;
}

void restoreStartValues(RecordKind record, FormatRecords &records, const FormatRecords &startValues)
{
    for (const OptionField &field : options::fieldsOf(record))
        field.set(records, field.get(startValues));
}

QJsonObject toJson(const QVector<NamedValue> &values)
{
    QJsonObject object;
    for (const NamedValue &v : values)
        object.insert(v.name, v.value);
    return object;
}

QVector<NamedValue> fromJson(const QJsonObject &object)
{
    QVector<NamedValue> values;
    for (auto it = object.begin(); it != object.end(); ++it) {
        // A number written by hand is taken as its text; anything else reads
        // as no value, which applying reports.
        const QJsonValue v = it.value();
        values.append({it.key(), v.isDouble() ? QString::number(v.toDouble()) : v.toString()});
    }
    return values;
}
} // namespace namedoptions

} // namespace quavero
