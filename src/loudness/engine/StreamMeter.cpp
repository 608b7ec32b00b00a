// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness/engine/StreamMeter.h"

namespace quavero {

void StreamMeter::add(const QByteArray &bytes)
{
    switch (m_header.state) {
    case FloatWavHeader::State::Ready:
        m_meter.addBytes(bytes);
        return;
    case FloatWavHeader::State::Invalid:
        return;
    case FloatWavHeader::State::NeedMore:
        break;
    }
    m_head += bytes;
    m_header = loudness::readFloatWavHeader(m_head);
    if (m_header.state == FloatWavHeader::State::Ready) {
        m_meter = LoudnessMeter(m_header.channels, m_header.sampleRate);
        m_meter.addBytes(m_head.constData() + m_header.dataOffset, m_head.size() - m_header.dataOffset);
    }
    if (m_header.state != FloatWavHeader::State::NeedMore)
        m_head.clear();
}

LoudnessMeter StreamMeter::takeMeter() { return std::move(m_meter); }

} // namespace quavero
