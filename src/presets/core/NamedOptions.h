// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A format's options by name with their values as text (OptionText.h), read
// into and out of its record. Pure.
#include <QJsonObject>
#include <QStringList>
#include <QVector>

#include "formats/core/FormatTable.h"
#include "presets/core/Preset.h"

namespace quavero {

namespace namedoptions {
// Every option of the record, in the record's order.
QVector<NamedValue> of(RecordKind record, const FormatRecords &records);

struct Applied {
    QStringList unknownNames;      // options the record does not have
    QVector<NamedValue> badValues; // values the option does not take
    bool clean() const { return unknownNames.isEmpty() && badValues.isEmpty(); }
};
// Sets each named option of the record; an unknown name or a value that
// cannot be read changes nothing and is reported.
Applied apply(RecordKind record, const QVector<NamedValue> &values, FormatRecords &records);
// The values in the record's order of its options; names the record does not
// have come last, in the order given.
QVector<NamedValue> inRecordOrder(RecordKind record, const QVector<NamedValue> &values);
// Gives the options of `record` in records the values they have in startValues.
void restoreStartValues(RecordKind record, FormatRecords &records, const FormatRecords &startValues);

// Named values as a JSON object and back (a number is read as its text).
QJsonObject toJson(const QVector<NamedValue> &values);
QVector<NamedValue> fromJson(const QJsonObject &object);
} // namespace namedoptions

} // namespace quavero
