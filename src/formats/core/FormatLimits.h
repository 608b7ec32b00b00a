// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What each output format's encoder takes: its sample rates and how many
// channels. "Same as input" keeps the input's values within these limits, and
// a check of the chosen options reads the same table, so a format's limits
// are written once. Pure.
#include <QVector>
#include <QtGlobal>

#include "formats/core/Records.h"

namespace quavero {

struct FormatLimits {
    // The only sample rates the encoder takes, ascending; empty when it takes
    // any rate up to maxSampleRate.
    QVector<int> sampleRates;
    int maxSampleRate = 0; // 0: no limit of the format's own
    int maxChannels = 0;   // 0: no limit of the format's own

    // True when the encoder takes this rate.
    bool takesRate(int rate) const;
    // The rate itself when the encoder takes it, else the nearest one it
    // takes (the higher of two as near); 0 stays 0.
    int rateFor(int rate) const;
    // The channels themselves, or the most the format takes.
    int channelsFor(int channels) const;
};

namespace formats {
// The limits of the format at index with these options (.M4A's AAC and
// Apple Lossless differ); no limits for an index outside the table.
FormatLimits limitsFor(qint64 formatIndex, const FormatRecords &records);
} // namespace formats

} // namespace quavero
