// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/core/OptionFields.h"

#include <QHash>

namespace quavero {

// One option bound to a record member through its getter and setter.
#define QV_OPTION(name, Record, field, Setter, kind, choices)                                               \
    OptionField                                                                                             \
    {                                                                                                       \
        name, #field, kind, choices, [](const FormatRecords &r) { return double(r.Record.field()); },       \
            [](FormatRecords &r, double v) { r.Record.Setter(static_cast<decltype(r.Record.field())>(v)); } \
    }

#define QV_EFFECTS(Record)                                                                 \
    QV_OPTION("speed", Record, f_Speed, setF_Speed, OptionKind::Speed, nullptr),           \
        QV_OPTION("gain", Record, i_Gain, setI_Gain, OptionKind::Decibels, nullptr),       \
        QV_OPTION("treble", Record, i_Treble, setI_Treble, OptionKind::Decibels, nullptr), \
        QV_OPTION("bass", Record, i_Bass, setI_Bass, OptionKind::Decibels, nullptr)

namespace {
using K = OptionKind;

QHash<int, QVector<OptionField>> makeTable()
{
    QHash<int, QVector<OptionField>> t;
    t[int(RecordKind::AIFF)] = {
        QV_OPTION("rate", m_AF_AIFF, i_Sample_Rate, setI_Sample_Rate, K::Position, &labels::sampleRates()),
        QV_OPTION("channels", m_AF_AIFF, i_Channels, setI_Channels, K::Position, &labels::channels()),
        QV_OPTION("codec", m_AF_AIFF, i_Format, setI_Format, K::Position, &labels::aiffFormats()),
        QV_OPTION("bitrate", m_AF_AIFF, i_Bitrate, setI_Bitrate, K::Position, &labels::kilobits()), QV_EFFECTS(m_AF_AIFF)};
    t[int(RecordKind::AMR)] = {
        QV_OPTION("bitrate", m_AF_AMR, i_Bitrate, setI_Bitrate, K::Position, &labels::amrBitrates())};
    t[int(RecordKind::AU)] = {
        QV_OPTION("codec", m_AF_AU, i_Codec, setI_Codec, K::Position, &labels::auCodecs()),
        QV_OPTION("rate", m_AF_AU, i_Samplerate, setI_Samplerate, K::Position, &labels::sampleRates()),
        QV_OPTION("channels", m_AF_AU, i_Channels, setI_Channels, K::Position, &labels::channels()), QV_EFFECTS(m_AF_AU)};
    t[int(RecordKind::CAF)] = {
        QV_OPTION("bits", m_AF_CAF, i_Sample_Size, setI_Sample_Size, K::Position, &labels::cafSampleSizes()),
        QV_OPTION("rate", m_AF_CAF, i_Samplerate, setI_Samplerate, K::Position, &labels::sampleRates()),
        QV_OPTION("channels", m_AF_CAF, i_Channels, setI_Channels, K::Position, &labels::channels())};
    t[int(RecordKind::FLAC)] = {
        QV_OPTION("compression", m_AF_FLAC, i_Compression_Level, setI_Compression_Level, K::Position,
                  &labels::flacCompression()),
        QV_OPTION("rate", m_AF_FLAC, i_Samplerate, setI_Samplerate, K::Position, &labels::sampleRates()),
        QV_OPTION("channels", m_AF_FLAC, i_Channels, setI_Channels, K::Position, &labels::channels()),
        QV_EFFECTS(m_AF_FLAC)};
    t[int(RecordKind::MP3)] = {
        QV_OPTION("mode", m_AF_MP3, b_VBR, setB_VBR, K::Flag, &labels::bitrateModes()),
        QV_OPTION("quality", m_AF_MP3, i_VBR_Quality, setI_VBR_Quality, K::Position, &labels::tenStepQuality()),
        QV_OPTION("bitrate", m_AF_MP3, i_CBR_Bitrate, setI_CBR_Bitrate, K::Position, &labels::wholeNumberBitrates()),
        QV_OPTION("channels", m_AF_MP3, i_Channels, setI_Channels, K::Position, &labels::channels()),
        QV_OPTION("rate", m_AF_MP3, i_SampleRate, setI_SampleRate, K::Position, &labels::sampleRates()),
        QV_OPTION("volume", m_AF_MP3, i_Volume, setI_Volume, K::Position, &labels::mp3Volumes())};
    t[int(RecordKind::OGG)] = {
        QV_OPTION("mode", m_AF_OGG, b_VBR, setB_VBR, K::Flag, &labels::bitrateModes()),
        QV_OPTION("quality", m_AF_OGG, i_VBR_Quality, setI_VBR_Quality, K::Position, &labels::tenStepQuality()),
        QV_OPTION("bitrate", m_AF_OGG, i_CBR_Bitrate, setI_CBR_Bitrate, K::Position, &labels::wholeNumberBitrates()),
        QV_OPTION("channels", m_AF_OGG, i_Channels, setI_Channels, K::Position, &labels::channels()),
        QV_EFFECTS(m_AF_OGG)};
    t[int(RecordKind::RAW)] = {
        QV_OPTION("codec", m_AF_RAW, i_Format, setI_Format, K::Position, &labels::rawFormats()),
        QV_OPTION("rate", m_AF_RAW, i_Samplerate, setI_Samplerate, K::Position, &labels::sampleRates()),
        QV_OPTION("channels", m_AF_RAW, i_Channels, setI_Channels, K::Position, &labels::channels())};
    t[int(RecordKind::SPX)] = {
        QV_OPTION("mode", m_AF_SPX, i_Quality_VBR_CBR, setI_Quality_VBR_CBR, K::Position, &labels::spxModes()),
        QV_OPTION("quality", m_AF_SPX, i_Quality_Preset, setI_Quality_Preset, K::Position, &labels::spxQualityPresets()),
        QV_OPTION("vbr-bitrate", m_AF_SPX, i_VBR_Bitrate, setI_VBR_Bitrate, K::Position, &labels::spxBitrates()),
        QV_OPTION("cbr-bitrate", m_AF_SPX, i_CBR_Bitrate, setI_CBR_Bitrate, K::Position, &labels::spxBitrates())};
    t[int(RecordKind::WAV)] = {
        QV_OPTION("codec", m_AF_WAV, i_Format, setI_Format, K::Position, &labels::wavFormats()),
        QV_OPTION("rate", m_AF_WAV, i_Samplerate, setI_Samplerate, K::Position, &labels::sampleRates()),
        QV_OPTION("channels", m_AF_WAV, i_Channels, setI_Channels, K::Position, &labels::channels()),
        QV_EFFECTS(m_AF_WAV)};
    t[int(RecordKind::WMA)] = {
        QV_OPTION("version", m_AF_WMA, i_WMA_Format, setI_WMA_Format, K::Position, &labels::wmaVersions()),
        QV_OPTION("rate", m_AF_WMA, i_Samplerate, setI_Samplerate, K::Position, &labels::shortSampleRates()),
        QV_OPTION("channels", m_AF_WMA, i_Channels, setI_Channels, K::Position, &labels::channels())};
    t[int(RecordKind::M4A)] = {
        QV_OPTION("rate", m_AF_M4A, i_Sample_Rate, setI_Sample_Rate, K::Position, &labels::sampleRates()),
        QV_OPTION("channels", m_AF_M4A, i_Channels, setI_Channels, K::Position, &labels::channels()),
        QV_OPTION("bitrate", m_AF_M4A, i_Bitrate, setI_Bitrate, K::Position, &labels::kilobits()),
        QV_OPTION("codec", m_AF_M4A, i_Codec, setI_Codec, K::Position, &labels::m4aCodecs())};
    t[int(RecordKind::OPUS)] = {
        QV_OPTION("bitrate", m_AF_OPUS, i_Bitrate, setI_Bitrate, K::Position, &labels::opusBitrates()),
        QV_OPTION("mode", m_AF_OPUS, i_Mode, setI_Mode, K::Position, &labels::opusModes()),
        QV_OPTION("application", m_AF_OPUS, i_Application, setI_Application, K::Position, &labels::opusApplications()),
        QV_OPTION("channels", m_AF_OPUS, i_Channels, setI_Channels, K::Position, &labels::monoStereo())};
    return t;
}

const QHash<int, QVector<OptionField>> &table()
{
    static const QHash<int, QVector<OptionField>> t = makeTable();
    return t;
}
} // namespace

namespace options {
const QVector<OptionField> &fieldsOf(RecordKind record)
{
    static const QVector<OptionField> none;
    auto it = table().constFind(int(record));
    return it == table().constEnd() ? none : *it;
}

const OptionField *byRecordField(RecordKind record, const QString &recordField)
{
    for (const OptionField &f : fieldsOf(record))
        if (f.recordField == recordField)
            return &f;
    return nullptr;
}

const OptionField *byName(RecordKind record, const QString &name)
{
    for (const OptionField &f : fieldsOf(record))
        if (f.name.compare(name, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}
} // namespace options

} // namespace quavero
