// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings records of the output formats. Every list-backed field
// stores the position of a label in its list (see LabelLists.h), never the
// encoder value; the argument builder turns positions into values.
#include <QtGlobal>

#include "formats/core/RecordField.h"

namespace quavero {

class Audio_Format_AIFF {
    QV_RECORD_FIELD(qint64, i_Sample_Rate, setI_Sample_Rate, 0)
    QV_RECORD_FIELD(qint64, i_Channels, setI_Channels, 0)
    QV_RECORD_FIELD(qint64, i_Format, setI_Format, 0)
    QV_RECORD_FIELD(qint64, i_Bitrate, setI_Bitrate, 0)
    QV_RECORD_FIELD(float, f_Speed, setF_Speed, 1.0f)
    QV_RECORD_FIELD(qint64, i_Treble, setI_Treble, 0)
    QV_RECORD_FIELD(qint64, i_Bass, setI_Bass, 0)
    QV_RECORD_FIELD(qint64, i_Gain, setI_Gain, 0)
};

class Audio_Format_AMR {
    QV_RECORD_FIELD(qint64, i_Bitrate, setI_Bitrate, 0)
};

class Audio_Format_AU {
    QV_RECORD_FIELD(qint64, i_Codec, setI_Codec, 0)
    QV_RECORD_FIELD(qint64, i_Samplerate, setI_Samplerate, 0)
    QV_RECORD_FIELD(qint64, i_Channels, setI_Channels, 0)
    QV_RECORD_FIELD(qint64, i_Gain, setI_Gain, 0)
    QV_RECORD_FIELD(qint64, i_Treble, setI_Treble, 0)
    QV_RECORD_FIELD(qint64, i_Bass, setI_Bass, 0)
    QV_RECORD_FIELD(float, f_Speed, setF_Speed, 1.0f)
};

class Audio_Format_CAF {
    QV_RECORD_FIELD(qint64, i_Sample_Size, setI_Sample_Size, 0)
    QV_RECORD_FIELD(qint64, i_Samplerate, setI_Samplerate, 0)
    QV_RECORD_FIELD(qint64, i_Channels, setI_Channels, 0)
};

class Audio_Format_FLAC {
    QV_RECORD_FIELD(qint64, i_Compression_Level, setI_Compression_Level, 0)
    QV_RECORD_FIELD(qint64, i_Samplerate, setI_Samplerate, 0)
    QV_RECORD_FIELD(qint64, i_Channels, setI_Channels, 0)
    QV_RECORD_FIELD(qint64, i_Gain, setI_Gain, 0)
    QV_RECORD_FIELD(qint64, i_Treble, setI_Treble, 0)
    QV_RECORD_FIELD(qint64, i_Bass, setI_Bass, 0)
    QV_RECORD_FIELD(float, f_Speed, setF_Speed, 1.0f)
};

class Audio_Format_MP3 {
    QV_RECORD_FIELD(quint8, b_VBR, setB_VBR, 0)
    QV_RECORD_FIELD(qint64, i_VBR_Quality, setI_VBR_Quality, 0)
    QV_RECORD_FIELD(qint64, i_CBR_Bitrate, setI_CBR_Bitrate, 0)
    QV_RECORD_FIELD(qint64, i_Channels, setI_Channels, 0)
    QV_RECORD_FIELD(qint64, i_SampleRate, setI_SampleRate, 0)
    QV_RECORD_FIELD(qint64, i_Volume, setI_Volume, 0)
};

class Audio_Format_OGG {
    QV_RECORD_FIELD(quint8, b_VBR, setB_VBR, 0)
    QV_RECORD_FIELD(qint64, i_VBR_Quality, setI_VBR_Quality, 0)
    QV_RECORD_FIELD(qint64, i_CBR_Bitrate, setI_CBR_Bitrate, 0)
    QV_RECORD_FIELD(qint64, i_Channels, setI_Channels, 0)
    QV_RECORD_FIELD(qint64, i_Gain, setI_Gain, 0)
    QV_RECORD_FIELD(qint64, i_Treble, setI_Treble, 0)
    QV_RECORD_FIELD(qint64, i_Bass, setI_Bass, 0)
    QV_RECORD_FIELD(float, f_Speed, setF_Speed, 1.0f)
};

class Audio_Format_RAW {
    QV_RECORD_FIELD(qint64, i_Format, setI_Format, 0)
    QV_RECORD_FIELD(qint64, i_Samplerate, setI_Samplerate, 0)
    QV_RECORD_FIELD(qint64, i_Channels, setI_Channels, 0)
};

class Audio_Format_SPX {
    QV_RECORD_FIELD(qint64, i_Quality_VBR_CBR, setI_Quality_VBR_CBR, 0)
    QV_RECORD_FIELD(qint64, i_Quality_Preset, setI_Quality_Preset, 0)
    QV_RECORD_FIELD(qint64, i_VBR_Bitrate, setI_VBR_Bitrate, 0)
    QV_RECORD_FIELD(qint64, i_CBR_Bitrate, setI_CBR_Bitrate, 0)
};

class Audio_Format_WAV {
    QV_RECORD_FIELD(qint64, i_Format, setI_Format, 0)
    QV_RECORD_FIELD(qint64, i_Samplerate, setI_Samplerate, 0)
    QV_RECORD_FIELD(qint64, i_Channels, setI_Channels, 0)
    QV_RECORD_FIELD(qint64, i_Treble, setI_Treble, 0)
    QV_RECORD_FIELD(qint64, i_Bass, setI_Bass, 0)
    QV_RECORD_FIELD(qint64, i_Gain, setI_Gain, 0)
    QV_RECORD_FIELD(float, f_Speed, setF_Speed, 1.0f)
};

class Audio_Format_WMA {
    QV_RECORD_FIELD(qint64, i_WMA_Format, setI_WMA_Format, 0)
    QV_RECORD_FIELD(qint64, i_Samplerate, setI_Samplerate, 0)
    QV_RECORD_FIELD(qint64, i_Channels, setI_Channels, 0)
};

class Audio_Format_M4A {
    QV_RECORD_FIELD(qint64, i_Sample_Rate, setI_Sample_Rate, 0)
    QV_RECORD_FIELD(qint64, i_Channels, setI_Channels, 0)
    QV_RECORD_FIELD(qint64, i_Bitrate, setI_Bitrate, 0)
    QV_RECORD_FIELD(qint64, i_Codec, setI_Codec, 0) // AAC or Apple Lossless
};

class Audio_Format_OPUS {
    QV_RECORD_FIELD(qint64, i_Bitrate, setI_Bitrate, 0)
    QV_RECORD_FIELD(qint64, i_Mode, setI_Mode, 0) // VBR, constrained VBR, CBR
    QV_RECORD_FIELD(qint64, i_Application, setI_Application, 0)
    QV_RECORD_FIELD(qint64, i_Channels, setI_Channels, 0)
};

// All records of one run, in the order start-up creates them.
struct FormatRecords {
    Audio_Format_AIFF m_AF_AIFF;
    Audio_Format_AMR m_AF_AMR;
    Audio_Format_AU m_AF_AU;
    Audio_Format_CAF m_AF_CAF;
    Audio_Format_FLAC m_AF_FLAC;
    Audio_Format_MP3 m_AF_MP3;
    Audio_Format_OGG m_AF_OGG;
    Audio_Format_RAW m_AF_RAW;
    Audio_Format_SPX m_AF_SPX;
    Audio_Format_WAV m_AF_WAV;
    Audio_Format_WMA m_AF_WMA;
    Audio_Format_M4A m_AF_M4A;
    Audio_Format_OPUS m_AF_OPUS;
};

// Gives every record its start values (each record was just created with
// every field 0 and speed 1.0).
void giveStartValues(FormatRecords &records);
// A fresh set of records holding the start values.
FormatRecords startRecords();
// The records quavero-cli starts from: the start values, but every sample
// rate, channels and sample size "Same as input", as command-line converters
// keep the input's values unless asked.
FormatRecords commandLineRecords();

} // namespace quavero
