// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/engine/OptionStore.h"

#include "presets/core/StoredOptions.h"

namespace quavero {

namespace optionstore {
void store(IPreferences &preferences, RecordKind record, const FormatRecords &records)
{
    const QString key = storedoptions::keyOf(record);
    if (!key.isEmpty())
        preferences.setString(key, storedoptions::textOf(record, records, preferences.string(key)));
}

FormatRecords load(const IPreferences &preferences, const FormatRecords &startValues, QStringList *unread)
{
    FormatRecords records = startValues;
    for (RecordKind record : storedoptions::recordsWithOptions()) {
        const QString key = storedoptions::keyOf(record);
        const QStringList bad = storedoptions::read(record, preferences.string(key), records);
        if (unread)
            for (const QString &name : bad)
                *unread << key.mid(key.lastIndexOf(QLatin1Char('_')) + 1) + QStringLiteral(": ") + name;
    }
    return records;
}
} // namespace optionstore

} // namespace quavero
