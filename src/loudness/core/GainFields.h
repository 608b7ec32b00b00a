// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The loudness fields a converted file gets, decided apart from how a
// container spells them. A track's file gets its own fields when its
// conversion is done; an album's pair follows once the album's last track is
// done. Each step also removes the loudness fields that no longer describe
// the file (values copied from the input, or for Opus the ReplayGain fields
// RFC 7845 asks not to use), so a file never mixes new values with old ones.
#include <QList>
#include <QString>

#include "loudness/core/GainContainer.h"
#include "loudness/core/Measurement.h"

namespace quavero {

struct GainField {
    QString key;   // the canonical upper-case name, "REPLAYGAIN_TRACK_GAIN"
    QString value; // empty: the field is removed
    bool removes() const { return value.isEmpty(); }
    bool operator==(const GainField &o) const { return key == o.key && value == o.value; }
};
using GainFields = QList<GainField>;

namespace loudness {
// Every loudness field a style writes or clears.
QStringList fieldNames(GainStyle style);
// A track's own fields: its gain and peak (and the reference) when it was
// measured, the album pair cleared until the album is done. A track that was
// not measured gets no loudness fields at all.
GainFields trackFields(GainStyle style, const LoudnessMeasurement &track);
// The album pair, written into each measured track of the album; nothing for
// an album that could not be measured.
GainFields albumFields(GainStyle style, const LoudnessMeasurement &album);
} // namespace loudness

} // namespace quavero
