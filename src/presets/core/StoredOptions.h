// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options of each format as the preferences store keeps them between
// starts: one key per record ("Quavero_Options_FLAC"), holding the options by
// name with their values as text, as a JSON object:
//   {"channels": "Stereo", "compression": "5", "rate": "44100", ...}
// A value that cannot be read keeps its start value. Pure.
#include <QString>
#include <QStringList>

#include "formats/core/FormatTable.h"
#include "formats/core/Records.h"

namespace quavero {

namespace storedoptions {
// The key of a record's options; empty for RecordKind::None.
QString keyOf(RecordKind record);
// The records that have options, each once, in the format table's order.
QList<RecordKind> recordsWithOptions();
// The text to store for the record's options. What the previously stored
// text holds that this version does not know (an option of a newer version)
// is kept.
QString textOf(RecordKind record, const FormatRecords &records, const QString &previous = QString());
// Sets the record's options from stored text. Each option the text does not
// hold, or holds in a form this version cannot read, keeps its value in
// records (the start value at start-up). Gives the names of the options whose
// stored value could not be read; an unreadable text gives "*".
QStringList read(RecordKind record, const QString &text, FormatRecords &records);
} // namespace storedoptions

} // namespace quavero
