// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stored presets as one text (JSON), as the preferences store keeps them:
//   {"version": 1, "presets": [{"name": "Podcast", "format": "opus",
//     "options": {"bitrate": "48"}, "template": "{artist} - {title}",
//     "run": {"tags": "yes"}}]}
// Changes are made to the text itself, so an entry this version cannot read,
// and whatever a newer version added to an entry, stay as they were. Pure.
#include <QList>
#include <QString>
#include <QStringList>

#include "presets/core/Preset.h"

namespace quavero {

namespace presets {
struct ReadPresets {
    QList<Preset> presets;
    QStringList warnings;    // entries left out, and why
    bool unreadable = false; // the text is not a preset list at all
};

// The presets the text holds; an empty text holds none.
ReadPresets fromText(const QString &text);
// The text with preset in place of the entry of the same name (letter case
// ignored), or added at the end. An unreadable text is replaced.
QString withPreset(const QString &text, const Preset &preset);
// The text without the entry of that name; false in *removed when there was none.
QString withoutPreset(const QString &text, const QString &name, bool *removed = nullptr);
// The text with the entry `from` named `to`; false in *renamed when there was none.
QString withName(const QString &text, const QString &from, const QString &to, bool *renamed = nullptr);
} // namespace presets

} // namespace quavero
