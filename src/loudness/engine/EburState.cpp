// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness/engine/EburState.h"

#include <algorithm>

namespace quavero {

namespace loudness {
namespace {
// The smallest rate the library takes: its buffers for one channel at this
// rate hold a handful of samples.
constexpr unsigned long kIdleRate = 16;
} // namespace

void EburStateDeleter::operator()(EburState *state) const
{
    if (state && state->st)
        ebur128_destroy(&state->st);
    delete state;
}

EburStatePtr newEburState(int channels, int sampleRate)
{
    if (channels <= 0 || sampleRate <= 0)
        return nullptr;
    ebur128_state *st =
        ebur128_init(unsigned(channels), static_cast<unsigned long>(sampleRate), EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK);
    if (!st)
        return nullptr;
    EburStatePtr state(new EburState);
    state->st = st;
    return state;
}

Peaks peaksOf(EburState *state)
{
    Peaks peaks;
    for (unsigned c = 0; c < state->st->channels; ++c) {
        double value = 0.0;
        if (ebur128_true_peak(state->st, c, &value) == EBUR128_SUCCESS)
            peaks.truePeak = std::max(peaks.truePeak, value);
        if (ebur128_sample_peak(state->st, c, &value) == EBUR128_SUCCESS)
            peaks.samplePeak = std::max(peaks.samplePeak, value);
    }
    return peaks;
}

bool keepOnlyBlocks(EburState *state)
{
    const int result = ebur128_change_parameters(state->st, 1, kIdleRate);
    return result == EBUR128_SUCCESS || result == EBUR128_ERROR_NO_CHANGE;
}
} // namespace loudness

} // namespace quavero
