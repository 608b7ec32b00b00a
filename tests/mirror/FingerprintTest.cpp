// SPDX-License-Identifier: GPL-3.0-or-later
// The settings fingerprint: the same settings always give the same value, and
// every setting that changes the output changes it.
#include "QtPrinters.h"

#include "mirror/core/Fingerprint.h"

#include "formats/core/FormatTable.h"
#include "formats/core/OptionFields.h"

#include <QSet>
#include <gtest/gtest.h>

namespace quavero {

namespace {
constexpr qint64 kMp3 = 8;
constexpr qint64 kFlac = 7;

QString of(qint64 format, const FormatRecords &records, const QStringList &extra = {})
{
    return mirror::fingerprint(format, records, effects::valuesFor(format, records), extra);
}
} // namespace

TEST(FingerprintTest, IsStableAcrossRunsAndVersions)
{
    const FormatRecords records;
    EXPECT_EQ(of(kMp3, records), of(kMp3, FormatRecords()));
    EXPECT_EQ(of(kMp3, records).size(), 32);
    // Pinned (the SHA-256 of the text below, as sha256sum gives it): a change
    // here makes every library convert all its files again, so it must be a
    // deliberate one, with a new scheme word in Fingerprint.cpp.
    EXPECT_EQ(of(kMp3, records, {QStringLiteral("{artist}/{title}")}),
              QStringLiteral("91e6a97e8a44a94b859900f0d0ad7484"))
        << mirror::settingsText(kMp3, records, effects::valuesFor(kMp3, records), {"{artist}/{title}"}).toStdString();
}

TEST(FingerprintTest, EveryOptionOfEveryFormatChangesIt)
{
    for (const OutputFormat &format : formats::all()) {
        const FormatRecords start;
        const QString base = of(format.index, start);
        for (const OptionField &field : options::fieldsOf(format.record)) {
            FormatRecords changed;
            field.set(changed, field.get(changed) + 1);
            EXPECT_NE(of(format.index, changed), base) << format.item.toStdString() << " " << field.name.toStdString();
        }
    }
}

TEST(FingerprintTest, FormatEffectsAndExtraWordsAllCount)
{
    const FormatRecords records;
    QSet<QString> seen;
    for (const OutputFormat &format : formats::all())
        seen.insert(of(format.index, records));
    EXPECT_EQ(seen.size(), formats::kCount) << "two formats share a fingerprint";

    const EffectValues neutral = effects::valuesFor(kFlac, records);
    EffectValues louder = neutral;
    louder.gain = 3;
    EXPECT_NE(mirror::fingerprint(kFlac, records, louder), mirror::fingerprint(kFlac, records, neutral));

    // Words are kept apart: no two lists of words give the same text.
    EXPECT_NE(of(kMp3, records, {"ab"}), of(kMp3, records, {"a", "b"}));
    EXPECT_NE(of(kMp3, records, {"a", "b"}), of(kMp3, records, {"b", "a"}));
    EXPECT_NE(of(kMp3, records, {"-23 LUFS"}), of(kMp3, records));
    EXPECT_NE(of(kMp3, records, {""}), of(kMp3, records));
}

} // namespace quavero
