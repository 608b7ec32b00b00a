// SPDX-License-Identifier: GPL-3.0-or-later
// The saved presets in the real settings file of the test's HOME: saving,
// replacing, renaming and removing; entries another version wrote; a list
// that cannot be read; and the keys that were there before staying as they are.
#include "QtPrinters.h"
#include "StoredSettings.h"

#include "presets/core/PresetDocument.h"
#include "presets/engine/PresetStore.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <gtest/gtest.h>

namespace quavero {

namespace {
class PresetStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Quavero", "Quavero");
        settings.clear();
        settings.sync();
    }
};

Preset preset(const char *name, const char *format, QVector<NamedValue> options = {})
{
    Preset p;
    p.name = QString::fromUtf8(name);
    p.format = QLatin1String(format);
    p.options = options;
    return p;
}

QStringList savedNames(const PresetList &list)
{
    QStringList names;
    for (const Preset &p : list.presets)
        if (!p.builtIn)
            names << p.name;
    return names;
}
} // namespace

TEST_F(PresetStoreTest, SavedPresetsComeBackInANewStoreInTheOrderSaved)
{
    storedsettings::put("DremlockAOF28", "7");
    storedsettings::put("Quavero_Files_At_Once", "2");
    const QMap<QString, QVariant> before = storedsettings::all();
    {
        QtPreferences preferences;
        PresetStore store(preferences);
        Preset podcast = preset("Podcast – Ä", "ogg", {{"quality", "3"}, {"channels", "Mono"}});
        podcast.nameTemplate = QStringLiteral("{artist} - \"{title}\", [{year}]");
        podcast.run = {{"tags", "no"}};
        EXPECT_EQ(store.save(podcast), PresetStore::Outcome::Done);
        EXPECT_EQ(store.save(preset("Archive mine", "flac")), PresetStore::Outcome::Done);
        EXPECT_EQ(store.save(preset(" podcast – ä ", "mp3")), PresetStore::Outcome::Replaced);
        EXPECT_EQ(store.save(preset("Podcast – Ä", "ogg", {{"quality", "3"}, {"channels", "Mono"}})),
                  PresetStore::Outcome::Replaced);
    }
    QtPreferences again;
    const PresetList list = PresetStore(again).load();
    EXPECT_TRUE(list.warnings.isEmpty());
    ASSERT_EQ(savedNames(list), (QStringList{"Podcast – Ä", "Archive mine"}));
    const Preset &podcast = list.presets.at(list.presets.size() - 2);
    EXPECT_EQ(podcast.format, "ogg");
    EXPECT_EQ(podcast.options, (QVector<NamedValue>{{"quality", "3"}, {"channels", "Mono"}})); // in the record's order
    EXPECT_FALSE(podcast.nameTemplate.has_value());

    // The keys that were there stay exactly as they were; the presets have a key of their own.
    QMap<QString, QVariant> after = storedsettings::all();
    EXPECT_TRUE(after.contains(PresetStore::kKey));
    after.remove(PresetStore::kKey);
    EXPECT_EQ(after, before);
}

TEST_F(PresetStoreTest, RefusesNamesThatCannotBeUsedAndChangesNothing)
{
    QtPreferences preferences;
    PresetStore store(preferences);
    EXPECT_EQ(store.save(preset("Mine", "wav")), PresetStore::Outcome::Done);
    const QString stored = preferences.string(PresetStore::kKey);
    EXPECT_EQ(store.save(preset("  ", "wav")), PresetStore::Outcome::EmptyName);
    EXPECT_EQ(store.save(preset("a\nb", "wav")), PresetStore::Outcome::EmptyName);
    EXPECT_EQ(store.save(preset("phone (mp3, vbr quality 2)", "wav")), PresetStore::Outcome::BuiltInName);
    EXPECT_EQ(store.rename("Mine", "CD quality (WAV, 16 bit, 44,100 Hz)"), PresetStore::Outcome::BuiltInName);
    EXPECT_EQ(store.rename("Other", "Yours"), PresetStore::Outcome::NotFound);
    EXPECT_EQ(store.remove("Phone (MP3, VBR quality 2)"), PresetStore::Outcome::NotFound);
    EXPECT_EQ(preferences.string(PresetStore::kKey), stored);
    EXPECT_EQ(PresetStore::problem(PresetStore::Outcome::BuiltInName, "Phone"),
              "'Phone' is the name of a built-in preset; choose another name");

    EXPECT_EQ(store.save(preset("Second", "wav")), PresetStore::Outcome::Done);
    EXPECT_EQ(store.rename("mine", "second"), PresetStore::Outcome::NameTaken);
    EXPECT_EQ(store.rename("mine", "MINE"), PresetStore::Outcome::Done); // only the letter case changes
    EXPECT_EQ(store.rename("Second", "Third"), PresetStore::Outcome::Done);
    EXPECT_EQ(store.remove("mine"), PresetStore::Outcome::Done);
    EXPECT_EQ(savedNames(store.load()), QStringList{"Third"});
}

TEST_F(PresetStoreTest, KeepsWhatAnotherVersionWroteAndWhatCannotBeRead)
{
    QtPreferences preferences;
    PresetStore store(preferences);
    preferences.setString(PresetStore::kKey,
                          R"json({"version": 2, "presets": [
                               {"name": "Newer", "format": "mp3", "options": {"quality": 2},
                                "loudness": {"target": "-18"}},
                               {"format": "wav"},
                               {"name": "Phone (MP3, VBR quality 2)", "format": "wav"}]})json");
    const PresetList list = store.load();
    EXPECT_EQ(savedNames(list), QStringList{"Newer"});
    EXPECT_EQ(list.presets.last().options, (QVector<NamedValue>{{"quality", "2"}}));
    EXPECT_EQ(list.warnings.size(), 2) << list.warnings.join('\n').toStdString();

    // Saving over it keeps what this version does not know.
    EXPECT_EQ(store.save(preset("Newer", "mp3", {{"quality", "4"}})), PresetStore::Outcome::Replaced);
    const QJsonObject document = QJsonDocument::fromJson(preferences.string(PresetStore::kKey).toUtf8()).object();
    EXPECT_EQ(document.value("version").toInt(), 2);
    EXPECT_EQ(document.value("presets")[0]["loudness"]["target"].toString(), "-18");
    EXPECT_EQ(document.value("presets")[0]["options"]["quality"].toString(), "4");
    EXPECT_EQ(document.value("presets")[1]["format"].toString(), "wav");

    // A list that cannot be read is set aside before a save starts a new one.
    preferences.setString(PresetStore::kKey, "not a preset list");
    EXPECT_TRUE(store.load().warnings.join('\n').contains("cannot be read"));
    EXPECT_EQ(store.save(preset("Fresh", "au")), PresetStore::Outcome::Done);
    EXPECT_EQ(preferences.string(PresetStore::kUnreadableKey), "not a preset list");
    EXPECT_EQ(savedNames(store.load()), QStringList{"Fresh"});
}

} // namespace quavero
