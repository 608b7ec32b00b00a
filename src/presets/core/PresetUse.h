// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Using a preset: checking it against what this version knows, setting what
// it holds, and making one from the current settings. Pure.
#include <QList>
#include <QString>
#include <QStringList>

#include "presets/core/Preset.h"

namespace quavero {

// A preset as this version can use it.
struct UsablePreset {
    int formatIndex = -1;
    QVector<NamedValue> options; // only those the format has, with values it takes
    std::optional<QString> nameTemplate;
    QVector<NamedValue> run; // only the settings this version knows
    QStringList warnings;    // what was left out, and why
    QString error;           // the preset cannot be used at all (its format is unknown)
    bool ok() const { return error.isEmpty(); }
};

namespace presets {
// What of the preset this version can use. An option, a value, a run setting
// or a template this version does not know is left out with a warning, so a
// preset from a newer version still loads.
UsablePreset usable(const Preset &preset);

// Sets what the preset holds: its format, that format's options (those the
// preset does not name get their values in startValues, so a preset gives
// the same result whatever was chosen before), the template when it has one,
// and its run settings.
void apply(const UsablePreset &preset, PresetSettings &settings, const FormatRecords &startValues);

// A preset of everything settings hold for its format: every option, the
// template and every run setting.
Preset capture(const QString &name, const PresetSettings &settings);

// The preset a user means by name: the one of exactly that name (letter case
// ignored), else the only one whose name without its remark in brackets is
// that name ("phone" for "Phone (MP3, VBR quality 2)"); nullptr when none or
// more than one.
const Preset *find(const QList<Preset> &presets, const QString &name);
// The name a window shows: built-in names in the user's language.
QString shownName(const Preset &preset);
// "mp3: mode=VBR, quality=2; names {artist}/{title}; tags=yes": what a preset
// holds, in one line, as the command line would write it.
QString description(const Preset &preset);
} // namespace presets

} // namespace quavero
