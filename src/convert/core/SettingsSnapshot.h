// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings a run converts with, taken by value when the run is planned:
// the output format, every format's options with their effects, and what the
// run does around the conversion. Nothing a user changes afterwards (in an
// options dialog, say) reaches an entry of that run. Pure.
#include "formats/core/FormatTable.h"
#include "formats/core/Records.h"
#include "loudness/core/LoudnessSettings.h"

namespace quavero {

struct SettingsSnapshot {
    qint64 formatIndex = formats::kDefaultIndex;
    FormatRecords records = startRecords();
    bool copyTags = true;      // the input's tags and pictures go into each output
    bool keepStructure = true; // entries keep their relative folder below the destination
    // The destination as a mirror of the inputs, kept in step by its record:
    bool update = false;         // an entry whose output is up to date is skipped
    bool deleteOrphans = false;  // outputs the record lists whose input is gone are removed
    bool copySameFormat = false; // an input already in the output format is copied, not encoded again
    LoudnessSettings loudness;   // loudness tags written, loudness normalised to
    // The template the outputs are named with ("{artist}/{album}/{track:02} {title}"); "" names each
    // output after its input.
    QString nameTemplate;
};

} // namespace quavero
