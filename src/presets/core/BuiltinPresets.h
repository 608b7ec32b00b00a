// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The presets every user has. They are made from the format table and the
// option lists as this version has them, so they follow the lists: a preset
// names the values it wants in order of preference and takes the first the
// list has. Pure.
#include <QList>

#include "presets/core/Preset.h"

namespace quavero {

namespace presets {
// "Phone (MP3, VBR quality 2)", "Archive (FLAC, same as input)", "CD quality
// (WAV, 16 bit, 44,100 Hz)", and "Speech (Opus, 32 kbit/s, mono)" where the
// format list has Opus, else "Speech (MP3, 64 kbit/s, mono)".
QList<Preset> builtIn();
} // namespace presets

} // namespace quavero
