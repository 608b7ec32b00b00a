// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness/engine/AlbumMeter.h"

#include "loudness/engine/EburState.h"

#include <algorithm>
#include <cmath>

namespace quavero {

void AlbumMeter::addTrack(LoudnessMeter &&track)
{
    if (!track.isValid())
        return;
    const LoudnessMeasurement m = track.measurement();
    loudness::EburStatePtr state = std::move(track.m_state);
    track = LoudnessMeter();
    if (!loudness::keepOnlyBlocks(state.get()))
        return;
    m_blocks.push_back(std::move(state));
    m_truePeak = std::max(m_truePeak, m.truePeak);
    m_samplePeak = std::max(m_samplePeak, m.samplePeak);
    m_seconds += m.seconds;
    m_anyLongEnough = m_anyLongEnough || m.status != LoudnessMeasurement::Status::TooShort;
}

LoudnessMeasurement AlbumMeter::measurement() const
{
    LoudnessMeasurement m;
    if (m_blocks.empty())
        return m; // Failed: no track measured anything
    std::vector<ebur128_state *> states;
    for (const loudness::EburStatePtr &s : m_blocks)
        states.push_back(s->st);
    double lufs = -HUGE_VAL;
    ebur128_loudness_global_multiple(states.data(), states.size(), &lufs);
    using Status = LoudnessMeasurement::Status;
    m.status = std::isfinite(lufs) ? Status::Measured : m_anyLongEnough ? Status::Silent : Status::TooShort;
    m.lufs = m.measured() ? lufs : 0.0;
    m.truePeak = m_truePeak;
    m.samplePeak = m_samplePeak;
    m.seconds = m_seconds;
    return m;
}

} // namespace quavero
