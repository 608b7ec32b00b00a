// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stages loudness adds to an entry's plan. Pure.
//
// - Normalising: a first ffmpeg pass decodes the input, as the output will
//   hear it, to the meter; the converting stage applies the gain it finds
//   (its "volume" filter holds a placeholder until then).
// - Loudness tags: the converting ffmpeg stage sends a copy of its decoded
//   audio to the meter while it encodes. When sox follows with effects that
//   change the audio, the meter hears sox's finished file instead, in a last
//   pass, since the tags must describe the file as it is.
// - An output format that holds no tags gets no metering; the run's plan
//   says so once.
#include "convert/core/EntryPlan.h"

namespace quavero {

namespace loudnessplan {
// Adds the loudness stages to an entry whose conversion stages are planned.
void addStages(EntryPlan &entry, const SettingsSnapshot &settings);
// The run's note for loudness tags asked of a format that holds none; empty otherwise.
QString planNote(const SettingsSnapshot &settings);
} // namespace loudnessplan

} // namespace quavero
