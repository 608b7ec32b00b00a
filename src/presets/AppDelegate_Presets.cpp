// SPDX-License-Identifier: GPL-3.0-or-later
// The Presets menu: choosing a preset sets the output format, its options and
// the name template; Save as Preset… keeps the current ones under a name;
// Manage Presets… renames and deletes saved presets. The presets live in the
// settings file quavero-cli reads too (presets/engine/PresetStore).
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "app/PreferenceKeys.h"
#include "platform/Prompts.h"
#include "platform/core/Preferences.h"
#include "presets/Window_Presets.h"
#include "presets/core/PresetUse.h"
#include "presets/engine/OptionStore.h"
#include "presets/engine/PresetStore.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>

namespace quavero {

namespace {
// The action that holds a preset's name, so that the menu can be made again.
const char *const kPresetName = "quaveroPresetName";
} // namespace

void AppDelegate::setUpPresets()
{
    if (!window)
        return;
    menuPresets = window->findChild<QMenu *>(QStringLiteral("menuPresets"));
    auto *save = window->findChild<QAction *>(QStringLiteral("menuItemSavePreset"));
    auto *manage = window->findChild<QAction *>(QStringLiteral("menuItemManagePresets"));
    if (!menuPresets || !save || !manage)
        return;
    connect(save, &QAction::triggered, this, &AppDelegate::OnMenuSavePreset);
    connect(manage, &QAction::triggered, this, &AppDelegate::OnMenuManagePresets);
    // quavero-cli may have saved one meanwhile: the list is read at each opening.
    connect(menuPresets, &QMenu::aboutToShow, this, &AppDelegate::fillPresetsMenu);
    fillPresetsMenu();
}

void AppDelegate::fillPresetsMenu()
{
    if (!menuPresets)
        return;
    for (QAction *action : menuPresets->actions())
        if (action->property(kPresetName).isValid()) {
            menuPresets->removeAction(action);
            action->deleteLater();
        }
    QAction *first = menuPresets->actions().value(0);
    for (const Preset &preset : PresetStore(*m_services.preferences).load().presets) {
        QString text = presets::shownName(preset);
        auto *action = new QAction(text.replace(QLatin1Char('&'), QStringLiteral("&&")), menuPresets);
        action->setProperty(kPresetName, preset.name);
        const QString name = preset.name;
        connect(action, &QAction::triggered, this, [this, name] { OnMenuChoosePreset(name); });
        menuPresets->insertAction(first, action);
    }
}

namespace {
PresetSettings settingsOf(qint64 formatIndex, const FormatRecords &records, const IPreferences &preferences)
{
    PresetSettings settings;
    settings.formatIndex = int(formatIndex);
    settings.records = records;
    settings.nameTemplate = preferences.string(prefkeys::kNameTemplate);
    return settings;
}
} // namespace

void AppDelegate::OnMenuChoosePreset(const QString &name)
{
    IPreferences &preferences = *m_services.preferences;
    const PresetList list = PresetStore(preferences).load();
    const Preset *preset = presets::find(list.presets, name);
    if (!preset)
        return;
    const UsablePreset usable = presets::usable(*preset);
    if (!usable.ok()) {
        m_services.prompts->alert(tr("The preset \"%1\" cannot be used.").arg(presets::shownName(*preset)),
                                  usable.error + QLatin1Char('\n') + tr("Choose another preset, or save it again."),
                                  {tr("Close")});
        return;
    }
    PresetSettings settings = settingsOf(m_i_Output_Format, records, preferences);
    presets::apply(usable, settings, startRecords());
    m_i_Output_Format = settings.formatIndex;
    records = settings.records;
    preferences.setString(prefkeys::kOutputFormat, QString::number(m_i_Output_Format));
    if (const OutputFormat *format = formats::at(m_i_Output_Format); format && format->record != RecordKind::None)
        optionstore::store(preferences, format->record, records);
    preferences.setString(prefkeys::kNameTemplate, settings.nameTemplate);
    if (comboboxOutputFormat) {
        const QSignalBlocker blocker(comboboxOutputFormat);
        comboboxOutputFormat->setCurrentIndex(int(m_i_Output_Format));
    }
    enableFormatOptions();
    if (!usable.warnings.isEmpty())
        m_services.prompts->alert(
            tr("The preset \"%1\" was set without some of its settings.").arg(presets::shownName(*preset)),
            usable.warnings.join(QLatin1Char('\n')), {tr("Close")}, AlertKind::Information);
}

void AppDelegate::OnMenuSavePreset()
{
    IPreferences &preferences = *m_services.preferences;
    const QString name = m_services.prompts->askText(
        tr("Save as Preset"), tr("Name of the preset for the output format, its options and the name template:"),
        QString());
    if (name.isEmpty())
        return;
    PresetStore store(preferences);
    for (const Preset &p : store.load().presets)
        if (!p.builtIn && p.name.compare(name, Qt::CaseInsensitive) == 0 &&
            m_services.prompts->alert(tr("A preset named \"%1\" exists already.").arg(p.name),
                                      tr("Replace it with the current settings?"), {tr("Replace"), tr("Cancel")}) != 0)
            return;
    const PresetStore::Outcome outcome =
        store.save(presets::capture(name, settingsOf(m_i_Output_Format, records, preferences)));
    const QString problem = PresetStore::problem(outcome, name);
    if (!problem.isEmpty())
        m_services.prompts->alert(tr("The preset could not be saved."), problem, {tr("Close")});
    fillPresetsMenu();
}

void AppDelegate::OnMenuManagePresets()
{
    if (windowPresets) {
        windowPresets->raise();
        windowPresets->activateWindow();
        return;
    }
    IPreferences *preferences = m_services.preferences;
    PresetManagement management;
    management.savedNames = [preferences] {
        QStringList names;
        for (const Preset &p : PresetStore(*preferences).load().presets)
            if (!p.builtIn)
                names << p.name;
        return names;
    };
    management.rename = [preferences](const QString &from, const QString &to) {
        return PresetStore::problem(PresetStore(*preferences).rename(from, to), to);
    };
    management.remove = [preferences](const QString &name) {
        return PresetStore::problem(PresetStore(*preferences).remove(name), name);
    };
    // A deleted preset cannot be brought back: the user says so first.
    IPrompts *prompts = m_services.prompts;
    management.confirmRemove = [prompts](const QString &name) {
        return prompts->alert(tr("Delete the preset “%1”?").arg(name), tr("A deleted preset cannot be brought back."),
                              {tr("Delete"), tr("Cancel")}) == 0;
    };
    auto *dialog = new Window_Presets(management, window.data());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, &AppDelegate::fillPresetsMenu);
    windowPresets = dialog;
    dialog->open();
}

} // namespace quavero
