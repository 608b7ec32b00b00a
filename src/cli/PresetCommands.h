// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What quavero-cli does with presets: --list-presets prints them,
// --save-preset NAME stores one in the preferences store the window shares.
#include <QString>

#include "cli/CommandLine.h"
#include "presets/engine/PresetStore.h"

namespace quavero {

namespace cli {
// Every preset with what it holds: the built-in ones, then the saved ones.
QString presetListing(const PresetList &list);
// Saves the request's preset; prints what was saved (or why not) and gives
// the exit status.
int savePreset(PresetStore &store, const Request &request);
} // namespace cli

} // namespace quavero
