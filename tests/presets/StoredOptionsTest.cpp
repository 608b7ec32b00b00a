// SPDX-License-Identifier: GPL-3.0-or-later
// Each format's options kept between starts: stored by option name under keys
// of their own, read back into a fresh start, and start values wherever a
// stored value cannot be read.
#include "QtPrinters.h"
#include "StoredSettings.h"

#include "formats/core/OptionFields.h"
#include "formats/core/OptionText.h"
#include "presets/core/StoredOptions.h"
#include "presets/engine/OptionStore.h"

#include <QSettings>
#include <gtest/gtest.h>

namespace quavero {

namespace {
class StoredOptionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Quavero", "Quavero");
        settings.clear();
        settings.sync();
    }
};

// Every option of every record, as text: "FLAC rate=44100".
QStringList everyOption(const FormatRecords &records)
{
    QStringList all;
    for (RecordKind record : storedoptions::recordsWithOptions())
        for (const OptionField &field : options::fieldsOf(record))
            all << storedoptions::keyOf(record) + QLatin1Char(' ') + field.name + QLatin1Char('=') +
                       options::textOf(field, records);
    return all;
}

// Records with every option moved off its start value: the last choice of
// each list, and effects that are not neutral.
FormatRecords changedRecords()
{
    FormatRecords records = startRecords();
    for (RecordKind record : storedoptions::recordsWithOptions()) {
        for (const OptionField &field : options::fieldsOf(record)) {
            switch (field.kind) {
            case OptionKind::Position:
            case OptionKind::Flag:
                field.set(records, field.choices->size() - 1 == field.get(records) ? 0 : field.choices->size() - 1);
                break;
            case OptionKind::Speed:
                field.set(records, 1.5);
                break;
            case OptionKind::Decibels:
                field.set(records, -7);
                break;
            }
        }
    }
    return records;
}
} // namespace

TEST_F(StoredOptionsTest, EveryOptionOfEveryFormatComesBackAfterARestart)
{
    storedsettings::put("DremlockAOF28", "12");
    const FormatRecords changed = changedRecords();
    ASSERT_NE(everyOption(changed), everyOption(startRecords()));
    {
        QtPreferences preferences;
        for (RecordKind record : storedoptions::recordsWithOptions())
            optionstore::store(preferences, record, changed);
    }
    QtPreferences restarted;
    QStringList unread;
    EXPECT_EQ(everyOption(optionstore::load(restarted, startRecords(), &unread)), everyOption(changed));
    EXPECT_TRUE(unread.isEmpty());
    // Thirteen keys of their own, and the seed's key as it was.
    const QMap<QString, QVariant> stored = storedsettings::all();
    EXPECT_EQ(stored.size(), 14);
    EXPECT_EQ(stored.value("DremlockAOF28").toString(), "12");
    EXPECT_TRUE(stored.contains("Quavero_Options_FLAC"));
}

TEST_F(StoredOptionsTest, NothingStoredGivesTheStartValuesAndOnlyTheStoredFormatChanges)
{
    QtPreferences preferences;
    EXPECT_EQ(everyOption(optionstore::load(preferences, startRecords())), everyOption(startRecords()));

    FormatRecords mine = startRecords();
    mine.m_AF_FLAC.setI_Samplerate(6);
    mine.m_AF_WAV.setI_Format(1); // changed, but not stored
    optionstore::store(preferences, RecordKind::FLAC, mine);
    const FormatRecords loaded = optionstore::load(preferences, startRecords());
    EXPECT_EQ(loaded.m_AF_FLAC.i_Samplerate(), 6);
    EXPECT_EQ(loaded.m_AF_WAV.i_Format(), startRecords().m_AF_WAV.i_Format());
}

TEST_F(StoredOptionsTest, AValueThatCannotBeReadGivesItsStartValue)
{
    QtPreferences preferences;
    preferences.setString("Quavero_Options_FLAC",
                          R"json({"rate": "44100", "channels": "quadraphonic", "compression": 7, "speed": "-1",
                              "dither": "on"})json");
    preferences.setString("Quavero_Options_WAV", "{broken");
    preferences.setString("Quavero_Options_MP3", R"json({"quality": "0 (Highest)", "volume": ""})json");
    QStringList unread;
    const FormatRecords loaded = optionstore::load(preferences, startRecords(), &unread);
    const FormatRecords start = startRecords();
    EXPECT_EQ(loaded.m_AF_FLAC.i_Samplerate(), 6);
    EXPECT_EQ(loaded.m_AF_FLAC.i_Channels(), start.m_AF_FLAC.i_Channels());
    EXPECT_EQ(loaded.m_AF_FLAC.i_Compression_Level(), 7); // a number written by hand reads as its label
    EXPECT_FLOAT_EQ(loaded.m_AF_FLAC.f_Speed(), start.m_AF_FLAC.f_Speed());
    EXPECT_EQ(loaded.m_AF_WAV.i_Format(), start.m_AF_WAV.i_Format());
    EXPECT_EQ(loaded.m_AF_MP3.i_VBR_Quality(), 0);
    EXPECT_EQ(loaded.m_AF_MP3.i_Volume(), start.m_AF_MP3.i_Volume());
    EXPECT_EQ(unread, (QStringList{"FLAC: channels", "FLAC: speed", "MP3: volume", "WAV: *"}));

    // Storing again keeps the option this version does not know, for the version that wrote it.
    optionstore::store(preferences, RecordKind::FLAC, loaded);
    EXPECT_TRUE(preferences.string("Quavero_Options_FLAC").contains("\"dither\":\"on\""));
}

} // namespace quavero
