// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/SameAsInput.h"

#include "common/core/NumberText.h"
#include "filelist/core/AcceptedFiles.h"
#include "formats/core/OptionFields.h"

namespace quavero {

namespace sameinput {
QStringList rateArguments(const ChoiceList &rates, qint64 position, const FormatLimits &limits, const AudioStream &input)
{
    if (!rates.fromInput(position))
        return {QStringLiteral("-ar"), rates.value(position)};
    if (input.sampleRate <= 0)
        return {};
    return {QStringLiteral("-ar"), QString::number(limits.rateFor(input.sampleRate))};
}

QStringList channelArguments(const ChoiceList &channels, qint64 position, const FormatLimits &limits,
                             const AudioStream &input)
{
    if (!channels.fromInput(position))
        return {QStringLiteral("-ac"), channels.value(position)};
    if (input.channels <= 0)
        return {};
    return {QStringLiteral("-ac"), QString::number(limits.channelsFor(input.channels))};
}

int bitsOfCodec(const QString &codec)
{
    if (!codec.startsWith(QLatin1String("pcm_s")) && !codec.startsWith(QLatin1String("pcm_u")))
        return 0;
    return int(leadingInteger(QStringView(codec).mid(5)));
}

int inputBits(const AudioStream &input)
{
    if (input.bitsPerSample > 0)
        return input.bitsPerSample;
    if (input.codec.startsWith(QLatin1String("dsd_")))
        return 24;
    return 16;
}

QString pcmCodec(const ChoiceList &sizes, qint64 position, const AudioStream &input)
{
    if (!sizes.fromInput(position))
        return sizes.value(position);
    const int wanted = inputBits(input);
    // The smallest size that holds the input's samples, else the largest.
    QString best;
    int bestBits = 0;
    for (int i = 0; i < sizes.size(); ++i) {
        const int bits = bitsOfCodec(sizes.value(i));
        if (bits <= 0)
            continue;
        const bool holds = bits >= wanted;
        const bool bestHolds = bestBits >= wanted;
        if (best.isEmpty() || (holds && (!bestHolds || bits < bestBits)) || (!holds && !bestHolds && bits > bestBits)) {
            best = sizes.value(i);
            bestBits = bits;
        }
    }
    return best;
}

bool needsStream(qint64 formatIndex, const FormatRecords &records, const QString &inputExtension)
{
    const OutputFormat *format = formats::at(formatIndex);
    if (!format)
        return false;
    if (format->record == RecordKind::MP3) {
        if (filelist::mayHoldVideo(inputExtension))
            return true;
    }
    for (const OptionField &field : options::fieldsOf(format->record))
        if (field.choices && field.choices->fromInput(qint64(field.get(records))))
            return true;
    return false;
}
} // namespace sameinput

} // namespace quavero
