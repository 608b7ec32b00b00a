// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/EffectsArguments.h"

#include "formats/core/FormatTable.h"

namespace quavero {

namespace effects {
namespace {
template <typename Record> EffectValues of(const Record &r)
{
    return {r.f_Speed(), r.i_Gain(), r.i_Treble(), r.i_Bass()};
}
} // namespace

EffectValues valuesFor(qint64 formatIndex, const FormatRecords &records)
{
    const OutputFormat *format = formats::at(formatIndex);
    if (!format)
        return {};
    switch (format->record) {
    case RecordKind::AIFF:
        return of(records.m_AF_AIFF);
    case RecordKind::AU:
        return of(records.m_AF_AU);
    case RecordKind::FLAC:
        return of(records.m_AF_FLAC);
    case RecordKind::OGG:
        return of(records.m_AF_OGG);
    case RecordKind::WAV:
        return of(records.m_AF_WAV);
    default:
        return {};
    }
}

QStringList arguments(const QString &intermediatePath, const QString &finalPath, const EffectValues &values)
{
    QStringList a{intermediatePath, finalPath};
    // "!(x == 1)" so that a speed that is not a number is passed on too.
    if (!(values.speed == 1.0f))
        a << "speed" << QString::asprintf("%.02f", double(values.speed));
    if (values.gain != 0)
        a << "gain" << QString::number(values.gain);
    if (values.treble != 0)
        a << "treble" << QString::number(values.treble);
    if (values.bass != 0)
        a << "bass" << QString::number(values.bass);
    return a;
}
} // namespace effects

} // namespace quavero
