// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/engine/PresetStore.h"

#include "presets/core/PresetsText.h"
#include "presets/core/BuiltinPresets.h"
#include "presets/core/PresetDocument.h"
#include "presets/core/PresetUse.h"

namespace quavero {

namespace {
bool hasControlCharacters(const QString &name)
{
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control)
            return true;
    return false;
}

bool sameName(const QString &a, const QString &b) { return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0; }

bool isBuiltInName(const QString &name)
{
    for (const Preset &p : presets::builtIn())
        if (sameName(p.name, name))
            return true;
    return false;
}
} // namespace

const QString PresetStore::kKey = QStringLiteral("Quavero_Presets");
const QString PresetStore::kUnreadableKey = QStringLiteral("Quavero_Presets_Unreadable");

PresetStore::PresetStore(IPreferences &preferences) : m_preferences(preferences) {}

PresetList PresetStore::load() const
{
    PresetList list;
    list.presets = presets::builtIn();
    const presets::ReadPresets read = presets::fromText(m_preferences.string(kKey));
    list.warnings = read.warnings;
    for (const Preset &p : read.presets) {
        // A built-in name is the built-in preset's, also when another version saved one under it.
        if (isBuiltInName(p.name))
            list.warnings
                << presets::Text::tr("the saved preset '%1' has the name of a built-in preset; it is left out").arg(p.name);
        else
            list.presets.append(p);
    }
    return list;
}

QList<Preset> PresetStore::saved() const { return presets::fromText(m_preferences.string(kKey)).presets; }

PresetStore::Outcome PresetStore::checkedName(const QString &name) const
{
    if (name.trimmed().isEmpty() || hasControlCharacters(name))
        return Outcome::EmptyName;
    return isBuiltInName(name) ? Outcome::BuiltInName : Outcome::Done;
}

void PresetStore::write(const QString &text)
{
    // A list this version cannot read is kept aside rather than lost.
    const QString before = m_preferences.string(kKey);
    if (presets::fromText(before).unreadable)
        m_preferences.setString(kUnreadableKey, before);
    m_preferences.setString(kKey, text);
}

PresetStore::Outcome PresetStore::save(const Preset &preset)
{
    const Outcome check = checkedName(preset.name);
    if (check != Outcome::Done)
        return check;
    bool replaced = false;
    for (const Preset &p : saved())
        replaced = replaced || sameName(p.name, preset.name);
    Preset stored = preset;
    stored.name = preset.name.trimmed();
    stored.builtIn = false;
    write(presets::withPreset(m_preferences.string(kKey), stored));
    return replaced ? Outcome::Replaced : Outcome::Done;
}

PresetStore::Outcome PresetStore::remove(const QString &name)
{
    bool removed = false;
    const QString text = presets::withoutPreset(m_preferences.string(kKey), name, &removed);
    if (!removed)
        return Outcome::NotFound;
    write(text);
    return Outcome::Done;
}

PresetStore::Outcome PresetStore::rename(const QString &from, const QString &to)
{
    const Outcome check = checkedName(to);
    if (check != Outcome::Done)
        return check;
    for (const Preset &p : saved())
        if (sameName(p.name, to) && !sameName(from, to))
            return Outcome::NameTaken;
    bool renamed = false;
    const QString text = presets::withName(m_preferences.string(kKey), from, to, &renamed);
    if (!renamed)
        return Outcome::NotFound;
    write(text);
    return Outcome::Done;
}

QString PresetStore::problem(Outcome outcome, const QString &name)
{
    switch (outcome) {
    case Outcome::EmptyName:
        return presets::Text::tr("a preset needs a name of letters, digits or signs, not '%1'").arg(name);
    case Outcome::BuiltInName:
        return presets::Text::tr("'%1' is the name of a built-in preset; choose another name").arg(name);
    case Outcome::NameTaken:
        return presets::Text::tr("a saved preset is already named '%1'; choose another name").arg(name);
    case Outcome::NotFound:
        return presets::Text::tr("no saved preset is named '%1'").arg(name);
    case Outcome::Done:
    case Outcome::Replaced:
        break;
    }
    return QString();
}

} // namespace quavero
