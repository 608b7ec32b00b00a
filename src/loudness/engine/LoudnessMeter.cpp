// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness/engine/LoudnessMeter.h"

#include "loudness/engine/EburState.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace quavero {

namespace {
constexpr qint64 kBytesPerSample = 4;
// Samples are copied to aligned floats in slices of this many frames.
constexpr qint64 kSliceFrames = 8192;
} // namespace

LoudnessMeter::LoudnessMeter(int channels, int sampleRate)
    : m_state(loudness::newEburState(channels, sampleRate)), m_channels(channels), m_sampleRate(sampleRate)
{
}

bool LoudnessMeter::isValid() const { return bool(m_state); }

void LoudnessMeter::addBytes(const char *data, qint64 size)
{
    if (!m_state || size <= 0)
        return;
    const qint64 frameBytes = kBytesPerSample * m_channels;
    if (!m_partial.isEmpty()) {
        const qint64 missing = std::min(frameBytes - m_partial.size(), size);
        m_partial.append(data, missing);
        data += missing;
        size -= missing;
        if (m_partial.size() < frameBytes)
            return;
        addAligned(m_partial.constData(), 1);
        m_partial.clear();
    }
    const qint64 whole = size / frameBytes;
    addAligned(data, whole);
    m_partial.append(data + whole * frameBytes, size - whole * frameBytes);
}

void LoudnessMeter::addFrames(const float *samples, qint64 frames)
{
    if (!m_state || frames <= 0)
        return;
    if (ebur128_add_frames_float(m_state->st, samples, size_t(frames)) != EBUR128_SUCCESS) {
        m_state.reset();
        return;
    }
    m_frames += frames;
}

// The bytes need not be aligned for floats, nor in the machine's byte order:
// they are copied slice by slice.
void LoudnessMeter::addAligned(const char *data, qint64 frames)
{
    const qint64 sliceSamples = kSliceFrames * m_channels;
    if (qint64(m_floats.size()) < sliceSamples)
        m_floats.resize(size_t(sliceSamples));
    while (frames > 0 && m_state) {
        const qint64 slice = std::min(frames, kSliceFrames);
        qFromLittleEndian<float>(data, slice * m_channels, m_floats.data());
        addFrames(m_floats.data(), slice);
        data += slice * m_channels * kBytesPerSample;
        frames -= slice;
    }
}

LoudnessMeasurement LoudnessMeter::measurement() const
{
    LoudnessMeasurement m;
    if (!m_state)
        return m; // Failed
    double lufs = -HUGE_VAL;
    ebur128_loudness_global(m_state->st, &lufs);
    const loudness::Peaks peaks = loudness::peaksOf(m_state.get());
    m.status = loudness::statusFor(m_frames, m_sampleRate, lufs);
    m.lufs = m.measured() ? lufs : 0.0;
    m.truePeak = peaks.truePeak;
    m.samplePeak = peaks.samplePeak;
    m.seconds = double(m_frames) / m_sampleRate;
    return m;
}

} // namespace quavero
