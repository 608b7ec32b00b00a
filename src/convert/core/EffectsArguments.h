// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sox command of the effects stage: it reads the file ffmpeg wrote in the
// work folder and writes the final file, applying the speed, gain, treble and
// bass effects whose values differ from neutral. Pure.
#include <QString>
#include <QStringList>

#include "formats/core/Records.h"

namespace quavero {

// The four effect settings of one record.
struct EffectValues {
    float speed = 1.0f;
    qint64 gain = 0;
    qint64 treble = 0;
    qint64 bass = 0;
};

namespace effects {
// The effect settings of the record the format reads; neutral values for a
// format without effects.
EffectValues valuesFor(qint64 formatIndex, const FormatRecords &records);

// sox's argument vector: the input, the output, then "speed" "%.02f",
// "gain" "%d", "treble" "%d", "bass" "%d", in that order, each only when it
// differs from neutral (a speed that is not a number counts as different).
QStringList arguments(const QString &intermediatePath, const QString &finalPath, const EffectValues &values);
} // namespace effects

} // namespace quavero
