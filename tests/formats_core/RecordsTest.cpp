// SPDX-License-Identifier: GPL-3.0-or-later
// The settings records: what a fresh start gives each option, read through
// the label lists the dialogs show.
#include "formats/core/FormatTable.h"
#include "formats/core/LabelLists.h"
#include "formats/core/OptionFields.h"
#include "formats/core/Records.h"

#include <gtest/gtest.h>

namespace quavero {

namespace {
// The label a record's option shows, through the table of option fields.
QString labelOf(const FormatRecords &r, RecordKind kind, const char *field)
{
    const OptionField *option = options::byRecordField(kind, QString::fromLatin1(field));
    if (!option || !option->choices)
        return QStringLiteral("<no list for %1>").arg(field);
    const qint64 position = qint64(option->get(r));
    return option->choices->at(position) ? option->choices->label(position) : QStringLiteral("<out of list>");
}
} // namespace

TEST(StartValues, Mp3ReadsVariableQualityFourStereo44100AndUnalteredVolume)
{
    const FormatRecords r = startRecords();
    EXPECT_EQ(r.m_AF_MP3.b_VBR(), 1);
    EXPECT_EQ(labelOf(r, RecordKind::MP3, "i_VBR_Quality"), "4");
    EXPECT_EQ(labelOf(r, RecordKind::MP3, "i_CBR_Bitrate"), "40");
    EXPECT_EQ(labelOf(r, RecordKind::MP3, "i_Channels"), "Stereo");
    EXPECT_EQ(labelOf(r, RecordKind::MP3, "i_SampleRate"), "44100");
    EXPECT_EQ(labelOf(r, RecordKind::MP3, "i_Volume"), "Do not alter volume");
}

TEST(StartValues, EveryOptionShowsItsStartLabel)
{
    const struct {
        RecordKind kind;
        const char *field;
        const char *label;
    } cases[] = {
        {RecordKind::AIFF, "i_Sample_Rate", "22050"},  {RecordKind::AIFF, "i_Channels", "Stereo"},
        {RecordKind::AIFF, "i_Format", "CCITT A-Law"}, {RecordKind::AIFF, "i_Bitrate", "48k"},
        {RecordKind::AMR, "i_Bitrate", "4.75"},        {RecordKind::AU, "i_Codec", "PCM 16 bit"},
        {RecordKind::AU, "i_Samplerate", "6000"},      {RecordKind::AU, "i_Channels", "Stereo"},
        {RecordKind::CAF, "i_Sample_Size", "16"},      {RecordKind::CAF, "i_Samplerate", "22050"},
        {RecordKind::CAF, "i_Channels", "Stereo"},     {RecordKind::FLAC, "i_Compression_Level", "4"},
        {RecordKind::FLAC, "i_Samplerate", "22050"},   {RecordKind::FLAC, "i_Channels", "Stereo"},
        {RecordKind::OGG, "i_VBR_Quality", "4"},       {RecordKind::OGG, "i_CBR_Bitrate", "40"},
        {RecordKind::OGG, "i_Channels", "Stereo"},     {RecordKind::RAW, "i_Format", "PCM 8"},
        {RecordKind::RAW, "i_Samplerate", "22050"},    {RecordKind::RAW, "i_Channels", "Stereo"},
        {RecordKind::SPX, "i_Quality_Preset", "4"},    {RecordKind::SPX, "i_VBR_Bitrate", "8"},
        {RecordKind::SPX, "i_CBR_Bitrate", "8"},       {RecordKind::WAV, "i_Format", "PCM 8"},
        {RecordKind::WAV, "i_Samplerate", "22050"},    {RecordKind::WAV, "i_Channels", "Stereo"},
        {RecordKind::WMA, "i_Samplerate", "11025"},    {RecordKind::WMA, "i_Channels", "Stereo"},
        {RecordKind::M4A, "i_Sample_Rate", "22050"},   {RecordKind::M4A, "i_Channels", "Stereo"},
        {RecordKind::M4A, "i_Bitrate", "48k"},         {RecordKind::M4A, "i_Codec", "AAC"},
        {RecordKind::OPUS, "i_Bitrate", "128"},        {RecordKind::OPUS, "i_Mode", "VBR"},
        {RecordKind::OPUS, "i_Application", "Music"},  {RecordKind::OPUS, "i_Channels", "Stereo"},
    };
    const FormatRecords r = startRecords();
    for (const auto &c : cases)
        EXPECT_EQ(labelOf(r, c.kind, c.field), c.label) << int(c.kind) << " " << c.field;
    EXPECT_EQ(r.m_AF_OGG.b_VBR(), 1);
    EXPECT_EQ(r.m_AF_SPX.i_Quality_VBR_CBR(), 0);
    EXPECT_EQ(r.m_AF_WMA.i_WMA_Format(), 0);
}

TEST(StartValues, EffectFieldsStartNeutral)
{
    const FormatRecords r = startRecords();
    for (RecordKind kind : {RecordKind::AIFF, RecordKind::AU, RecordKind::FLAC, RecordKind::OGG, RecordKind::WAV}) {
        EXPECT_FLOAT_EQ(float(options::byRecordField(kind, "f_Speed")->get(r)), 1.0f) << int(kind);
        for (const char *field : {"i_Gain", "i_Treble", "i_Bass"})
            EXPECT_EQ(options::byRecordField(kind, field)->get(r), 0) << int(kind) << field;
    }
}

TEST(StartValues, EveryListBackedOptionStartsInsideItsList)
{
    const FormatRecords r = startRecords();
    for (const OutputFormat &format : formats::all())
        for (const OptionField &option : options::fieldsOf(format.record))
            if (option.choices) {
                const qint64 position = qint64(option.get(r));
                EXPECT_GE(position, 0) << option.recordField.toStdString();
                EXPECT_LT(position, option.choices->size()) << option.recordField.toStdString();
            }
}

TEST(NewRecords, HoldZeroEverywhereAndNormalSpeed)
{
    const FormatRecords r;
    for (const OutputFormat &format : formats::all())
        for (const OptionField &option : options::fieldsOf(format.record))
            EXPECT_EQ(option.get(r), option.kind == OptionKind::Speed ? 1.0 : 0.0)
                << format.item.toStdString() << " " << option.recordField.toStdString();
}

TEST(SharedRecord, AifcAiffAndAifReadTheSameRecordAndAc3None)
{
    EXPECT_EQ(formats::at(0)->record, RecordKind::None);
    EXPECT_TRUE(options::fieldsOf(RecordKind::None).isEmpty());
    for (int index : {1, 2, 3})
        EXPECT_EQ(formats::at(index)->record, RecordKind::AIFF);
}

} // namespace quavero
