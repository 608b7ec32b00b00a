// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A description of every option of every record: its short name (used by the
// command-line tool), its record field, the choice list it picks from, and how
// to read and write it. The options dialogs and the command-line tool both
// work from this table, so a record's options are described once.
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

#include "formats/core/FormatTable.h"
#include "formats/core/LabelLists.h"
#include "formats/core/Records.h"

namespace quavero {

enum class OptionKind {
    Position, // index into `choices`
    Flag,     // 0 or 1, the choices name the two states
    Speed,    // float factor, 1.0 = normal
    Decibels, // whole decibels, 0 = neutral
};

struct OptionField {
    QString name;        // short name: "quality", "bitrate", "rate" ...
    QString recordField; // field of the record: "i_VBR_Quality"
    OptionKind kind;
    const ChoiceList *choices; // the list shown (Position, Flag); nullptr otherwise
    std::function<double(const FormatRecords &)> get;
    std::function<void(FormatRecords &, double)> set;
};

namespace options {
// The options of a record, in the record's declaration order. Empty for None.
const QVector<OptionField> &fieldsOf(RecordKind record);
// The option with the given record field name ("i_Channels"), or nullptr.
const OptionField *byRecordField(RecordKind record, const QString &recordField);
// The option with the given short name ("channels"), or nullptr.
const OptionField *byName(RecordKind record, const QString &name);
} // namespace options

} // namespace quavero
