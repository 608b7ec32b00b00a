// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Audio made in memory for the meter's tests: tones and noise as interleaved
// floats, and the bytes and WAV stream ffmpeg would send of them.
#include <QByteArray>

#include "loudness/core/Measurement.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace quavero {

namespace synth {
// A measured loudness with the given true (and sample) peak.
inline LoudnessMeasurement measured(double lufs, double truePeak)
{
    LoudnessMeasurement m;
    m.status = LoudnessMeasurement::Status::Measured;
    m.lufs = lufs;
    m.truePeak = truePeak;
    m.samplePeak = truePeak;
    m.seconds = 10;
    return m;
}

// A sine of the given peak amplitude in every channel.
inline std::vector<float> tone(double seconds, int rate, int channels, double amplitude, double hz = 997.0)
{
    const auto frames = size_t(std::llround(seconds * rate));
    std::vector<float> samples(frames * size_t(channels));
    for (size_t i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            samples[i * size_t(channels) + size_t(c)] = float(amplitude * std::sin(2.0 * M_PI * hz * double(i) / rate));
    return samples;
}

// White noise of the given peak amplitude, the same for a given seed.
inline std::vector<float> noise(double seconds, int rate, int channels, double amplitude, uint32_t seed = 1)
{
    std::vector<float> samples(size_t(std::llround(seconds * rate)) * size_t(channels));
    for (float &s : samples) {
        seed = seed * 1664525u + 1013904223u;
        s = float(amplitude * (double(seed >> 8) / double(1u << 23) - 1.0));
    }
    return samples;
}

inline QByteArray bytes(const std::vector<float> &samples)
{
    QByteArray b(qsizetype(samples.size() * sizeof(float)), Qt::Uninitialized);
    std::memcpy(b.data(), samples.data(), size_t(b.size()));
    return b; // the tests run on little-endian machines, as the stream is
}

inline void put32(QByteArray &b, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

inline void put16(QByteArray &b, uint16_t v)
{
    b.append(char(v & 0xFF));
    b.append(char(v >> 8));
}

// A WAV stream header as ffmpeg writes one to a pipe: unknown sizes, an
// extensible float format, a LIST chunk of odd size before the samples.
inline QByteArray floatWavHeader(int channels, int rate, uint16_t tag = 0xFFFE, uint16_t bits = 32)
{
    QByteArray h("RIFF");
    put32(h, 0xFFFFFFFFu);
    h += "WAVEfmt ";
    put32(h, tag == 0xFFFE ? 40 : 16);
    put16(h, tag);
    put16(h, uint16_t(channels));
    put32(h, uint32_t(rate));
    put32(h, uint32_t(rate * channels * bits / 8));
    put16(h, uint16_t(channels * bits / 8));
    put16(h, bits);
    if (tag == 0xFFFE) {
        put16(h, 22);
        put16(h, bits);
        put32(h, 3); // channel mask
        put16(h, 3); // the sub-format: IEEE float
        h += QByteArray::fromHex("000000001000800000aa00389b71");
    }
    h += "LIST";
    put32(h, 13);
    h += QByteArray("INFOISFTLavf\0", 13);
    h.append('\0'); // padding to an even size
    h += "data";
    put32(h, 0xFFFFFFFFu);
    return h;
}
} // namespace synth

} // namespace quavero
