// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which choices of a format's sample-rate and channels lists its encoder
// takes, read from the one table of what each encoder takes
// (formats::limitsFor). The options dialogs offer only those, and a run whose
// options hold another (stored before, or set on the command line) is refused
// before anything runs, in plain words. The lists themselves stay as they
// are, so a stored position keeps its meaning. Pure.
#include <QString>
#include <QVector>

#include "formats/core/FormatLimits.h"
#include "formats/core/OptionFields.h"

namespace quavero {

namespace formats {
// The format that writes with this record; -1 for None (.AC3 has no options).
int indexOfRecord(RecordKind record);
// True when the choice at position is one the encoder takes. Only the
// sample rate and the channels have limits; "Same as input" is always taken
// (the input's value is brought within them), as is any other option.
bool takesChoice(const FormatLimits &limits, const OptionField &field, qint64 position);
// The positions of the field's list the format takes with these options,
// ascending.
QVector<int> offeredPositions(qint64 formatIndex, const FormatRecords &records, const OptionField &field);
// The offered position to show for a stored one: itself when offered, else
// the one whose value the encoder would pick instead (the nearest rate, the
// most channels), else the first offered.
int shownPosition(const QVector<int> &offered, const OptionField &field, const FormatLimits &limits, qint64 stored);
// Why the format cannot be written with these options: the first option its
// encoder cannot take, what was chosen and what it takes, in plain words
// ("MP3 cannot be written at a sample rate of 96000 Hz. It takes 8000, ...,
// 48000 Hz or Same as input."). Empty when every option can be taken.
QString refusedChoice(qint64 formatIndex, const FormatRecords &records);
} // namespace formats

} // namespace quavero
