// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/core/Records.h"

#include "formats/core/OptionFields.h"

namespace quavero {

// Start values of every record, in the order start-up creates the records.
void giveStartValues(FormatRecords &r)
{
    r.m_AF_AIFF.setI_Sample_Rate(4); // "22050"
    r.m_AF_AIFF.setI_Channels(1);    // "Stereo"
    r.m_AF_AIFF.setI_Format(0);      // "CCITT A-Law"
    r.m_AF_AIFF.setI_Bitrate(4);     // "48k"

    r.m_AF_AMR.setI_Bitrate(0); // "4.75"

    r.m_AF_AU.setI_Codec(0);      // "PCM 16 bit"
    r.m_AF_AU.setI_Samplerate(0); // "6000"
    r.m_AF_AU.setI_Channels(1);

    r.m_AF_CAF.setI_Sample_Size(0); // "16"
    r.m_AF_CAF.setI_Samplerate(4);
    r.m_AF_CAF.setI_Channels(1);

    r.m_AF_FLAC.setI_Compression_Level(4);
    r.m_AF_FLAC.setI_Samplerate(4);
    r.m_AF_FLAC.setI_Channels(1);

    r.m_AF_MP3.setB_VBR(1);
    r.m_AF_MP3.setI_VBR_Quality(4); // "4"
    r.m_AF_MP3.setI_CBR_Bitrate(4); // "40"
    r.m_AF_MP3.setI_Channels(1);
    r.m_AF_MP3.setI_SampleRate(6); // "44100"
    r.m_AF_MP3.setI_Volume(0);     // "Do not alter volume"

    r.m_AF_OGG.setB_VBR(1);
    r.m_AF_OGG.setI_VBR_Quality(4);
    r.m_AF_OGG.setI_CBR_Bitrate(4);
    r.m_AF_OGG.setI_Channels(1);

    r.m_AF_RAW.setI_Format(0); // "PCM 8"
    r.m_AF_RAW.setI_Samplerate(4);
    r.m_AF_RAW.setI_Channels(1);

    r.m_AF_SPX.setI_Quality_VBR_CBR(0);
    r.m_AF_SPX.setI_Quality_Preset(4); // "4"
    r.m_AF_SPX.setI_VBR_Bitrate(0);    // "8"
    r.m_AF_SPX.setI_CBR_Bitrate(0);    // "8"

    r.m_AF_WAV.setI_Format(0); // "PCM 8"
    r.m_AF_WAV.setI_Samplerate(4);
    r.m_AF_WAV.setI_Channels(1);

    r.m_AF_WMA.setI_WMA_Format(0);
    r.m_AF_WMA.setI_Samplerate(2); // "11025"
    r.m_AF_WMA.setI_Channels(1);

    r.m_AF_M4A.setI_Sample_Rate(4);
    r.m_AF_M4A.setI_Channels(1);
    r.m_AF_M4A.setI_Bitrate(4); // "48k"
    r.m_AF_M4A.setI_Codec(0);   // "AAC"

    r.m_AF_OPUS.setI_Bitrate(9);     // "128"
    r.m_AF_OPUS.setI_Mode(0);        // "VBR"
    r.m_AF_OPUS.setI_Application(0); // "Music"
    r.m_AF_OPUS.setI_Channels(1);    // "Stereo"
}

FormatRecords startRecords()
{
    FormatRecords records;
    giveStartValues(records);
    return records;
}

FormatRecords commandLineRecords()
{
    FormatRecords records = startRecords();
    for (const OutputFormat &format : formats::all())
        for (const OptionField &field : options::fieldsOf(format.record))
            if (field.choices && field.choices->fromInputPosition() >= 0)
                field.set(records, field.choices->fromInputPosition());
    return records;
}

} // namespace quavero
