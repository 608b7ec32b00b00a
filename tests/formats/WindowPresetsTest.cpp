// SPDX-License-Identifier: GPL-3.0-or-later
// The window's side of presets and remembered options: OK in an options
// dialog keeps the format's options over a restart, Restore Defaults goes
// back to the start values, the Presets menu sets and saves what the window
// converts with in the settings file quavero-cli reads, Manage Presets renames
// and deletes, and Preferences takes the name template with a live example.
#include "DialogDriver.h"
#include "StoredSettings.h"
#include "TestApp.h"

#include "app/PreferenceKeys.h"
#include "convert/Window_Preferences.h"
#include "formats/FormatOptionsDialog.h"
#include "presets/engine/PresetStore.h"
#include "presets/engine/OptionStore.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace quavero {

namespace {
constexpr int kFlac = 7;
constexpr int kWav = 12;

QString accessibleName(QObject *object)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(object);
    return interface ? interface->text(QAccessible::Name) : QString();
}

QPushButton *restoreDefaults(QWidget *dialog)
{
    auto *box = dialog->findChild<QDialogButtonBox *>();
    return box ? box->button(QDialogButtonBox::RestoreDefaults) : nullptr;
}

// The Presets menu's entry for a preset, by the text it shows.
QAction *presetItem(TestApp &t, const QString &shown)
{
    t.app->fillPresetsMenu();
    for (QAction *action : t.app->menuPresets->actions())
        if (action->text() == shown)
            return action;
    return nullptr;
}
} // namespace

class WindowPresets : public ::testing::Test {
protected:
    void SetUp() override
    {
        testenv::resetHome();
        t = std::make_unique<TestApp>();
        ASSERT_TRUE(t->start());
    }
    // Ends the window and starts it again on the same settings file.
    void restart()
    {
        t.reset();
        t = std::make_unique<TestApp>();
        ASSERT_TRUE(t->start());
    }
    std::unique_ptr<TestApp> t;
};

TEST_F(WindowPresets, OptionsStayOverARestartAndTheWindowWritesNothingAtExit)
{
    const double startRate = driver::recordValues(*t, RecordKind::FLAC).value("i_Samplerate");
    FormatOptionsDialog *dialog = driver::openOptions(*t, kFlac);
    ASSERT_TRUE(dialog);
    driver::apply(dialog, {{"comboSampleRate", 8}, {"comboCompression", 7}});
    driver::pressOK(dialog);
    const QMap<QString, double> chosen = driver::recordValues(*t, RecordKind::FLAC);
    ASSERT_EQ(chosen.value("i_Samplerate"), 8);
    ASSERT_NE(chosen.value("i_Samplerate"), startRate);

    // Cancel keeps nothing of what it showed.
    dialog = driver::openOptions(*t, kWav);
    driver::apply(dialog, {{"comboSampleRate", 3}});
    driver::pressCancel(dialog);

    const QMap<QString, QVariant> before = storedsettings::all();
    restart();
    EXPECT_EQ(storedsettings::all(), before); // neither the exit nor the start wrote anything
    EXPECT_EQ(driver::recordValues(*t, RecordKind::FLAC), chosen);
    FormatRecords start = startRecords();
    EXPECT_EQ(t->app->records.m_AF_WAV.i_Samplerate(), start.m_AF_WAV.i_Samplerate());

    // A stored value this version cannot read gives the start value.
    storedsettings::put("Quavero_Options_FLAC", "{\"rate\": \"not a rate\", \"compression\": \"7\"}");
    restart();
    EXPECT_EQ(t->app->records.m_AF_FLAC.i_Samplerate(), start.m_AF_FLAC.i_Samplerate());
    EXPECT_EQ(driver::recordValues(*t, RecordKind::FLAC).value("i_Compression_Level"),
              chosen.value("i_Compression_Level"));
}

TEST_F(WindowPresets, RestoreDefaultsShowsTheStartValuesAndOkKeepsThem)
{
    FormatOptionsDialog *dialog = driver::openOptions(*t, kFlac);
    driver::apply(dialog, {{"comboSampleRate", 8}});
    driver::pressOK(dialog);
    ASSERT_TRUE(QTest::qWaitFor([&] { return t->app->windowFLAC == nullptr; }, 5000));

    dialog = driver::openOptions(*t, kFlac);
    QPushButton *restore = restoreDefaults(dialog);
    ASSERT_TRUE(restore);
    EXPECT_EQ(accessibleName(restore), "Restore Defaults");
    restore->click();
    EXPECT_EQ(dialog->findChild<QComboBox *>("comboSampleRate")->currentText(), "22050");
    // Shown only: the record changes on OK.
    EXPECT_EQ(driver::recordValues(*t, RecordKind::FLAC).value("i_Samplerate"), 8);
    driver::pressOK(dialog);
    EXPECT_EQ(t->app->records.m_AF_FLAC.i_Samplerate(), startRecords().m_AF_FLAC.i_Samplerate());
    restart();
    EXPECT_EQ(t->app->records.m_AF_FLAC.i_Samplerate(), startRecords().m_AF_FLAC.i_Samplerate());

    // Every options dialog has the button, once.
    for (int format : {2, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15}) {
        FormatOptionsDialog *d = driver::openOptions(*t, format);
        ASSERT_TRUE(d) << format;
        EXPECT_TRUE(restoreDefaults(d)) << format;
        EXPECT_EQ(d->findChild<QDialogButtonBox *>()->buttons().size(), 3) << format;
        driver::pressCancel(d);
    }
}

TEST_F(WindowPresets, ChoosingAPresetSetsWhatTheWindowConvertsWithAndKeepsIt)
{
    QAction *cd = presetItem(*t, "CD quality (WAV, 16 bit, 44,100 Hz)");
    ASSERT_TRUE(cd);
    t->preferences.setString(prefkeys::kNameTemplate, "{title}");
    cd->trigger();
    EXPECT_EQ(t->app->m_i_Output_Format, kWav);
    EXPECT_EQ(t->app->comboboxOutputFormat->currentIndex(), kWav);
    const FormatRecords wav = t->app->records;
    restart();
    EXPECT_EQ(t->app->m_i_Output_Format, kWav);
    EXPECT_EQ(t->app->records.m_AF_WAV.i_Samplerate(), wav.m_AF_WAV.i_Samplerate());
    EXPECT_EQ(t->app->records.m_AF_WAV.i_Format(), wav.m_AF_WAV.i_Format());
    EXPECT_NE(t->app->records.m_AF_WAV.i_Samplerate(), startRecords().m_AF_WAV.i_Samplerate());

    // Save as Preset… keeps format, options and template for both programs.
    t->preferences.setString(prefkeys::kNameTemplate, "{artist}/{title}");
    t->prompts.textAnswers.enqueue("My WAV");
    t->app->OnMenuSavePreset();
    const PresetList saved = PresetStore(t->preferences).load();
    ASSERT_EQ(saved.presets.last().name, "My WAV");
    EXPECT_EQ(saved.presets.last().format, "wav");
    EXPECT_EQ(saved.presets.last().nameTemplate.value_or("<none>"), "{artist}/{title}");
    ASSERT_TRUE(presetItem(*t, "My WAV"));

    // Another preset, then the saved one again: all of it comes back.
    presetItem(*t, "Archive (FLAC, same as input)")->trigger();
    EXPECT_EQ(t->app->m_i_Output_Format, kFlac);
    t->preferences.setString(prefkeys::kNameTemplate, "");
    presetItem(*t, "My WAV")->trigger();
    EXPECT_EQ(t->app->m_i_Output_Format, kWav);
    EXPECT_EQ(t->preferences.string(prefkeys::kNameTemplate), "{artist}/{title}");
    EXPECT_TRUE(t->prompts.alerts.isEmpty());

    // Saving under a taken name asks first; Cancel keeps the old preset.
    t->prompts.textAnswers.enqueue("my wav");
    t->prompts.alertAnswers.enqueue(1);
    t->preferences.setString(prefkeys::kNameTemplate, "{album}");
    t->app->OnMenuSavePreset();
    ASSERT_EQ(t->prompts.alerts.size(), 1);
    EXPECT_EQ(PresetStore(t->preferences).load().presets.last().nameTemplate.value_or(""), "{artist}/{title}");
    // A built-in name is refused with the reason.
    t->prompts.textAnswers.enqueue("Phone (MP3, VBR quality 2)");
    t->app->OnMenuSavePreset();
    ASSERT_EQ(t->prompts.alerts.size(), 2);
    EXPECT_TRUE(t->prompts.alerts.last().informative.contains("built-in"))
        << t->prompts.alerts.last().informative.toStdString();
}

TEST_F(WindowPresets, APresetFromANewerVersionIsSetWithoutWhatThisOneLacks)
{
    storedsettings::put(PresetStore::kKey, R"json({"version":2,"presets":[{"name":"Future","format":"flac",
        "options":{"compression":"8","dither":"triangular"}}]})json");
    restart();
    QAction *future = presetItem(*t, "Future");
    ASSERT_TRUE(future);
    future->trigger();
    EXPECT_EQ(t->app->m_i_Output_Format, kFlac);
    ASSERT_EQ(t->prompts.alerts.size(), 1);
    EXPECT_TRUE(t->prompts.alerts.first().informative.contains("dither"))
        << t->prompts.alerts.first().informative.toStdString();
}

TEST_F(WindowPresets, ManagePresetsRenamesAndDeletes)
{
    t->prompts.textAnswers.enqueue("First");
    t->app->OnMenuSavePreset();
    t->prompts.textAnswers.enqueue("Second");
    t->app->OnMenuSavePreset();
    t->app->OnMenuManagePresets();
    ASSERT_TRUE(t->app->windowPresets);
    QDialog *dialog = t->app->windowPresets;
    auto *list = dialog->findChild<QListWidget *>("listPresets");
    auto *name = dialog->findChild<QLineEdit *>("editNewName");
    ASSERT_TRUE(list && name);
    EXPECT_EQ(accessibleName(list), "Saved presets");
    EXPECT_EQ(accessibleName(name), "New name of the selected preset");
    ASSERT_EQ(list->count(), 2); // the built-in ones are not listed

    list->setCurrentRow(0);
    EXPECT_EQ(name->text(), "First");
    name->setText("Second");
    dialog->findChild<QPushButton *>("buttonRename")->click();
    EXPECT_TRUE(dialog->findChild<QLabel *>("labelProblem")->text().contains("already named")); // nothing renamed
    name->setText("Renamed");
    dialog->findChild<QPushButton *>("buttonRename")->click();
    EXPECT_EQ(dialog->findChild<QLabel *>("labelProblem")->text(), "");
    EXPECT_EQ(list->item(0)->text(), "Renamed");
    list->setCurrentRow(1);
    t->prompts.alertAnswers.enqueue(1); // Cancel: the preset stays
    dialog->findChild<QPushButton *>("buttonDelete")->click();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(t->prompts.alerts.last().message, "Delete the preset “Second”?");
    list->setCurrentRow(1);
    t->prompts.alertAnswers.enqueue(0); // Delete
    dialog->findChild<QPushButton *>("buttonDelete")->click();
    ASSERT_EQ(list->count(), 1);
    dialog->reject();

    QStringList savedNames;
    for (const Preset &p : PresetStore(t->preferences).load().presets)
        if (!p.builtIn)
            savedNames << p.name;
    EXPECT_EQ(savedNames, QStringList{"Renamed"});
    EXPECT_TRUE(presetItem(*t, "Renamed"));
    EXPECT_FALSE(presetItem(*t, "Second"));
}

TEST_F(WindowPresets, PreferencesTakeTheNameTemplateWithALiveExample)
{
    t->app->OnMenuPreferences();
    ASSERT_TRUE(t->app->windowPreferences);
    QDialog *dialog = t->app->windowPreferences;
    auto *edit = dialog->findChild<QLineEdit *>("editNameTemplate");
    auto *example = dialog->findChild<QLabel *>("labelNameExample");
    QPushButton *ok = dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    ASSERT_TRUE(edit && example && ok);
    EXPECT_EQ(accessibleName(edit), "Output name template");
    EXPECT_EQ(accessibleName(example), "Example output name");
    EXPECT_EQ(example->text(), "Each output keeps its input's name: track01.mp3");

    QTest::keyClicks(edit, "{artist}/{album}/{track:02} {title}");
    EXPECT_EQ(example->text(), "Example: Band A/Debut/01 Opening.mp3");
    EXPECT_TRUE(ok->isEnabled());
    edit->setText("{artist}/{titel}");
    EXPECT_TRUE(example->text().contains("{titel}")) << example->text().toStdString();
    EXPECT_FALSE(ok->isEnabled());
    edit->setText("{artist}/{title} [{albumartist}]");
    ok->click();
    EXPECT_EQ(t->preferences.string(prefkeys::kNameTemplate), "{artist}/{title} [{albumartist}]");
}

} // namespace quavero
