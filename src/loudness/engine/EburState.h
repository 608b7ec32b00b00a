// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The libebur128 state behind the meters, and what they read from it. Only
// the loudness engine includes this.
#include <ebur128.h>

#include "loudness/engine/LoudnessMeter.h"

namespace quavero {

namespace loudness {
struct EburState {
    ebur128_state *st = nullptr;
};

// A state for integrated loudness and true (and sample) peaks. The gating
// blocks are kept as a list of their energies, not as a histogram: exact, as
// the reference scanners measure, at 32 bytes per 100 ms block, about
// 1.2 MB per hour of audio. Null when the library refuses the parameters.
EburStatePtr newEburState(int channels, int sampleRate);

struct Peaks {
    double truePeak = 0.0;
    double samplePeak = 0.0;
};
// The largest peaks of any channel.
Peaks peaksOf(EburState *state);

// Frees all the state holds but its gating blocks: the filter and peak
// buffers (about a megabyte for stereo at 48 kHz, true peak included) shrink
// to a few hundred bytes. The loudness of the blocks is unchanged; the peaks
// are gone, so read them before. False when the library failed; the state is
// then of no use.
bool keepOnlyBlocks(EburState *state);
} // namespace loudness

} // namespace quavero
