// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether an entry's planned output can be kept as it is instead of being
// converted again. Pure: the caller reads the files' stamps.
//
// With a row of the record for the output, the output is up to date when it
// exists, was made from this input, the input has the size and modification
// time it had then, and the settings give the same fingerprint. Without a
// row (a folder converted before there was a record, or by another program)
// the output is up to date when it exists and is newer than its input.
#include <QString>
#include <optional>

#include "mirror/core/RecordTable.h"

namespace quavero {

enum class Freshness {
    UpToDate,       // the record's row matches: skip
    NewerThanInput, // no row, the output is newer than the input: skip
    NoOutput,       // nothing to keep
    InputChanged,   // the input's size or modification time differs from the row
    SettingsChanged,
    OtherInput, // the row says another input made this output
    NotNewer,   // no row, and the output is not newer than the input
};

struct FreshnessQuestion {
    QString input;                      // absolute path, as the record stores it
    FileStamp inputNow;                 // the input's stamp now
    QString output;                     // the planned output, relative to the root
    std::optional<FileStamp> outputNow; // the output's stamp now; none when there is no file
    QString fingerprint;                // of the run's settings for this entry
};

namespace mirror {
// record may be null: the destination has no record, or it could not be read.
Freshness freshness(const RecordTable *record, const FreshnessQuestion &question);
// True for the two verdicts that skip the entry.
bool skips(Freshness verdict);
// Why an entry is converted again or skipped, in a few plain words for the
// dry run and the details ("the input changed").
QString describe(Freshness verdict);
} // namespace mirror

} // namespace quavero
