// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fingerprint of the settings an output is made with. Two runs with the
// same format, options, effects and extra words (the naming template, a
// loudness target, a track's range) give the same fingerprint on every
// machine and in every version that keeps this scheme; any difference gives
// another. Pure.
#include <QString>
#include <QStringList>

#include "convert/core/EffectsArguments.h"
#include "formats/core/Records.h"

namespace quavero {

namespace mirror {
// The text that is hashed: one "name=value" line per setting, the options of
// the format's record by their option name in alphabetical order, so that the
// order of the fields in the record does not matter. Shown by tests.
QString settingsText(qint64 formatIndex, const FormatRecords &records, const EffectValues &effects,
                     const QStringList &extraWords = {});

// A hexadecimal hash of settingsText (32 digits).
QString fingerprint(qint64 formatIndex, const FormatRecords &records, const EffectValues &effects,
                    const QStringList &extraWords = {});
} // namespace mirror

} // namespace quavero
