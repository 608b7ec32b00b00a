// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Measures ffmpeg's decoded audio as it arrives on a pipe: the float WAV
// stream of loudness::decodeArguments or meterOutputArguments. The header
// gives the channels and the rate; every byte after it goes to the meter, so
// nothing but one unfinished frame is ever held.
#include <QByteArray>

#include "loudness/core/FloatWav.h"
#include "loudness/engine/LoudnessMeter.h"

namespace quavero {

class StreamMeter {
public:
    // The next bytes of the stream, in pieces of any size.
    void add(const QByteArray &bytes);
    // The stream was no float WAV stream: nothing is measured.
    bool isInvalid() const { return m_header.state == FloatWavHeader::State::Invalid; }
    LoudnessMeasurement measurement() const { return m_meter.measurement(); }
    // The meter, for an album; the stream meter is empty afterwards.
    LoudnessMeter takeMeter();

private:
    FloatWavHeader m_header;
    QByteArray m_head; // the stream's start until its header is complete
    LoudnessMeter m_meter;
};

} // namespace quavero
