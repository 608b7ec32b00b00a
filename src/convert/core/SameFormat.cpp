// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/SameFormat.h"

#include "convert/core/EffectsArguments.h"
#include "formats/core/FormatTable.h"
#include "formats/core/LabelLists.h"
#include "formats/core/OptionFields.h"

namespace quavero {

namespace sameformat {
namespace {
// The value the option of that name sends with these records; empty when the
// format has no such option or it sends nothing.
QString optionValue(RecordKind record, const QString &name, const FormatRecords &records)
{
    const OptionField *field = options::byName(record, name);
    if (!field || !field->choices)
        return QString();
    return field->choices->value(qint64(field->get(records)));
}

bool effectsSet(qint64 formatIndex, const FormatRecords &records)
{
    const EffectValues e = effects::valuesFor(formatIndex, records);
    return !(e.speed == 1.0f) || e.gain != 0 || e.treble != 0 || e.bass != 0;
}

// The extensions of the files each format writes, as inputs name them.
QStringList extensionsOf(const OutputFormat &format)
{
    if (format.record == RecordKind::AIFF)
        return {QStringLiteral("aif"), QStringLiteral("aiff"), QStringLiteral("aifc")};
    if (format.record == RecordKind::OGG)
        return {QStringLiteral("ogg"), QStringLiteral("oga")};
    return {format.extension.mid(1)};
}
} // namespace

QString outputCodec(qint64 formatIndex, const FormatRecords &records)
{
    const OutputFormat *format = formats::at(formatIndex);
    if (!format)
        return QString();
    switch (format->record) {
    case RecordKind::None:
        return QStringLiteral("ac3");
    case RecordKind::AIFF: {
        const QString codec = optionValue(format->record, QStringLiteral("codec"), records);
        return codec.isEmpty() ? QStringLiteral("pcm_s16be") : codec;
    }
    case RecordKind::AMR:
        return QStringLiteral("amr_nb");
    case RecordKind::AU:
    case RecordKind::WAV:
        return optionValue(format->record, QStringLiteral("codec"), records);
    case RecordKind::CAF:
        return optionValue(format->record, QStringLiteral("bits"), records);
    case RecordKind::FLAC:
        return QStringLiteral("flac");
    case RecordKind::MP3:
        return QStringLiteral("mp3");
    case RecordKind::OGG:
        return QStringLiteral("vorbis");
    case RecordKind::SPX:
        return QStringLiteral("speex");
    case RecordKind::WMA:
        return optionValue(format->record, QStringLiteral("version"), records);
    case RecordKind::M4A: {
        const QString codec = optionValue(format->record, QStringLiteral("codec"), records);
        return codec.isEmpty() ? QStringLiteral("aac") : codec;
    }
    case RecordKind::OPUS:
        return QStringLiteral("opus");
    case RecordKind::RAW: // headerless: what it holds cannot be told
        return QString();
    }
    return QString();
}

bool candidate(const NodeVideoFile &input, qint64 formatIndex)
{
    // A track is a part of its image: a copy of the file would be the whole album.
    if (input.m_Track().isTrack())
        return false;
    const OutputFormat *format = formats::at(formatIndex);
    QString extension = input.s_File_Extension().toLower();
    if (extension.startsWith(QLatin1Char('.')))
        extension.remove(0, 1);
    return format && extensionsOf(*format).contains(extension);
}

bool copies(const NodeVideoFile &input, qint64 formatIndex, const FormatRecords &records)
{
    const OutputFormat *format = formats::at(formatIndex);
    const AudioStream &stream = input.m_Audio_Stream();
    if (!format || !stream.known() || !candidate(input, formatIndex) || stream.motionVideo)
        return false;
    const QString codec = outputCodec(formatIndex, records);
    if (codec.isEmpty() || stream.codec != codec)
        return false;
    if (effectsSet(formatIndex, records) || !optionValue(format->record, QStringLiteral("volume"), records).isEmpty())
        return false;
    const QString rate = optionValue(format->record, QStringLiteral("rate"), records);
    const QString channels = optionValue(format->record, QStringLiteral("channels"), records);
    return (rate.isEmpty() || rate.toInt() == stream.sampleRate) &&
           (channels.isEmpty() || channels.toInt() == stream.channels);
}
} // namespace sameformat

} // namespace quavero
