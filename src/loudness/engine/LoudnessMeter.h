// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Measures integrated loudness, true peak and sample peak as ITU-R BS.1770 and
// EBU R128 define them, with libebur128, from decoded audio fed in pieces as
// it arrives. A finished meter can be handed to an AlbumMeter, which keeps
// only its gating blocks for the album's loudness.
#include <QByteArray>
#include <QtGlobal>

#include <memory>
#include <vector>

#include "loudness/core/Measurement.h"

namespace quavero {

namespace loudness {
struct EburState; // the library's state, owned
struct EburStateDeleter {
    void operator()(EburState *state) const;
};
using EburStatePtr = std::unique_ptr<EburState, EburStateDeleter>;
} // namespace loudness

class LoudnessMeter {
public:
    LoudnessMeter() = default; // measures nothing: isValid() is false
    LoudnessMeter(int channels, int sampleRate);
    LoudnessMeter(LoudnessMeter &&) noexcept = default;
    LoudnessMeter &operator=(LoudnessMeter &&) noexcept = default;
    ~LoudnessMeter() = default;

    // False for a channel count or rate the library does not take (or after
    // it ran out of memory): the measurement then says Failed.
    bool isValid() const;
    int channels() const { return m_channels; }
    int sampleRate() const { return m_sampleRate; }
    qint64 frames() const { return m_frames; }

    // Interleaved 32-bit little-endian float samples, 1.0 = full scale, in
    // pieces of any size: a frame split between two pieces is carried over.
    void addBytes(const char *data, qint64 size);
    void addBytes(const QByteArray &bytes) { addBytes(bytes.constData(), bytes.size()); }
    // Interleaved float samples of whole frames.
    void addFrames(const float *samples, qint64 frames);

    // What the audio fed so far measures.
    LoudnessMeasurement measurement() const;

private:
    friend class AlbumMeter;
    void addAligned(const char *data, qint64 frames);

    loudness::EburStatePtr m_state;
    int m_channels = 0;
    int m_sampleRate = 0;
    qint64 m_frames = 0;
    QByteArray m_partial;        // the start of a frame the next piece completes
    std::vector<float> m_floats; // aligned copy of a piece's samples
};

} // namespace quavero
