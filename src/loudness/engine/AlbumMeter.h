// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An album's loudness from all its tracks' gating blocks together, as
// BS.1770 gates a programme, never from an average of the tracks. It keeps
// only the blocks of each track (about 1.2 MB per hour of audio) and the
// largest peaks, so an album of a hundred tracks stays small.
#include <vector>

#include "loudness/engine/LoudnessMeter.h"

namespace quavero {

class AlbumMeter {
public:
    // Takes a finished track's blocks and peaks; the rest of its meter is
    // freed. A meter that measured nothing (isValid() false) adds nothing.
    void addTrack(LoudnessMeter &&track);
    int trackCount() const { return int(m_blocks.size()); }
    LoudnessMeasurement measurement() const;

private:
    std::vector<loudness::EburStatePtr> m_blocks;
    double m_truePeak = 0.0;
    double m_samplePeak = 0.0;
    double m_seconds = 0.0;
    bool m_anyLongEnough = false;
};

} // namespace quavero
