// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The run settings a preset holds, by name, with the values they take:
//   tags     yes | no       copy the tags and pictures into the outputs
//   folders  keep | flat    outputs in their inputs' subfolders, or all in one
// Pure.
#include <QString>
#include <QStringList>
#include <QVector>

#include "presets/core/Preset.h"

namespace quavero {

namespace runchoices {
// The names this version knows, in the order above.
QStringList names();
// Sets the named setting from its value text; false (nothing changed) when
// the name or the value is not one this version knows.
bool apply(const NamedValue &setting, PresetSettings &settings);
// Every run setting of settings, written as apply reads them.
QVector<NamedValue> of(const PresetSettings &settings);
} // namespace runchoices

} // namespace quavero
