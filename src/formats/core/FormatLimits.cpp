// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/core/FormatLimits.h"

#include "formats/core/FormatTable.h"

#include <cstdlib>

namespace quavero {

bool FormatLimits::takesRate(int rate) const
{
    if (rate <= 0)
        return false;
    if (!sampleRates.isEmpty())
        return sampleRates.contains(rate);
    return maxSampleRate == 0 || rate <= maxSampleRate;
}

int FormatLimits::rateFor(int rate) const
{
    if (rate <= 0 || takesRate(rate))
        return rate;
    if (sampleRates.isEmpty())
        return maxSampleRate;
    int best = sampleRates.first();
    for (const int r : sampleRates)
        if (std::abs(r - rate) <= std::abs(best - rate))
            best = r;
    return best;
}

int FormatLimits::channelsFor(int channels) const
{
    return maxChannels > 0 && channels > maxChannels ? maxChannels : channels;
}

namespace formats {
namespace {
FormatLimits rates(QVector<int> list, int maxChannels) { return FormatLimits{std::move(list), 0, maxChannels}; }
FormatLimits upTo(int maxSampleRate, int maxChannels) { return FormatLimits{{}, maxSampleRate, maxChannels}; }
} // namespace

FormatLimits limitsFor(qint64 formatIndex, const FormatRecords &records)
{
    const OutputFormat *format = at(formatIndex);
    if (!format)
        return {};
    switch (format->record) {
    case RecordKind::None: // AC-3
        return rates({32000, 44100, 48000}, 6);
    case RecordKind::AMR:
        return rates({8000}, 1);
    case RecordKind::MP3:
        return rates({8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000}, 2);
    case RecordKind::SPX:
        return rates({8000, 16000, 32000}, 2);
    case RecordKind::WMA:
        return upTo(48000, 2);
    case RecordKind::FLAC:
        return upTo(655350, 8);
    case RecordKind::OGG:
        return upTo(0, 8);
    case RecordKind::M4A:
        // Apple Lossless takes any rate up to 384 kHz; AAC only its own rates.
        if (records.m_AF_M4A.i_Codec() == 1)
            return upTo(384000, 8);
        return rates({7350, 8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000, 64000, 88200, 96000}, 8);
    case RecordKind::OPUS:
        return rates({48000}, 2);
    case RecordKind::AIFF:
    case RecordKind::AU:
    case RecordKind::CAF:
    case RecordKind::RAW:
    case RecordKind::WAV:
        return {};
    }
    return {};
}
} // namespace formats

} // namespace quavero
