// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The presets of the window and of quavero-cli, kept in the preferences
// store that both share, under keys of their own:
//   Quavero_Presets             the saved presets (PresetDocument.h)
//   Quavero_Presets_Unreadable  a list that could not be read, kept aside
//                               before a save starts a new one
#include <QList>
#include <QString>
#include <QStringList>

#include "platform/core/Preferences.h"
#include "presets/core/Preset.h"

namespace quavero {

struct PresetList {
    QList<Preset> presets; // the built-in ones first, then the saved ones in the order saved
    QStringList warnings;  // saved entries that could not be read
};

class PresetStore {
public:
    static const QString kKey;
    static const QString kUnreadableKey;

    enum class Outcome {
        Done,
        Replaced,    // save: a saved preset of that name was replaced
        EmptyName,   // the name is empty or holds control characters
        BuiltInName, // a built-in preset has that name
        NameTaken,   // rename: another saved preset has the new name
        NotFound,    // remove, rename: no saved preset has that name
    };

    explicit PresetStore(IPreferences &preferences);

    PresetList load() const;
    Outcome save(const Preset &preset);
    Outcome remove(const QString &name);
    Outcome rename(const QString &from, const QString &to);

    // A sentence for an outcome other than Done and Replaced, for a message.
    static QString problem(Outcome outcome, const QString &name);

private:
    QList<Preset> saved() const;
    Outcome checkedName(const QString &name) const;
    void write(const QString &text);

    IPreferences &m_preferences;
};

} // namespace quavero
