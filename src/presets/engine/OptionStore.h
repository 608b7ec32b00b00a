// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Each format's options kept between starts of the window, in the
// preferences store under keys of their own (StoredOptions.h).
#include <QStringList>

#include "formats/core/FormatTable.h"
#include "formats/core/Records.h"
#include "platform/core/Preferences.h"

namespace quavero {

namespace optionstore {
// Stores the options of one record as records holds them.
void store(IPreferences &preferences, RecordKind record, const FormatRecords &records);
// The records as stored: every option that was stored and can be read, the
// others with their values in startValues. *unread (when given) receives
// "FLAC: rate" for each stored value that could not be read.
FormatRecords load(const IPreferences &preferences, const FormatRecords &startValues, QStringList *unread = nullptr);
} // namespace optionstore

} // namespace quavero
