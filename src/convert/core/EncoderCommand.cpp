// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/EncoderCommand.h"

#include "convert/core/SameAsInput.h"
#include "filelist/core/AcceptedFiles.h"
#include "formats/core/FormatLimits.h"
#include "formats/core/FormatTable.h"
#include "formats/core/LabelLists.h"

#include <QUrl>

namespace quavero {

namespace encoder {
namespace {
// The options that pick the encoder and its settings, between the input and
// the output path. The rate, channels and sample-size lists may say "Same as
// input": those read the input's stream within the format's limits.
QStringList formatArguments(qint64 formatIndex, RecordKind kind, const FormatRecords &r, const AudioStream &in)
{
    using namespace labels;
    using sameinput::channelArguments;
    using sameinput::rateArguments;
    const FormatLimits limits = formats::limitsFor(formatIndex, r);
    switch (kind) {
    case RecordKind::None:
        return {"-acodec", "ac3"};
    case RecordKind::AIFF: {
        const Audio_Format_AIFF &f = r.m_AF_AIFF;
        QStringList a{"-f", "aiff", "-ab", kilobits().value(f.i_Bitrate())};
        a << rateArguments(sampleRates(), f.i_Sample_Rate(), limits, in)
          << channelArguments(channels(), f.i_Channels(), limits, in);
        const QString codec = aiffFormats().value(f.i_Format());
        if (!codec.isEmpty())
            a << "-codec:a" << codec;
        return a;
    }
    case RecordKind::AMR:
        return {"-ar", "8000", "-ac", "1", "-ab", amrBitrates().value(r.m_AF_AMR.i_Bitrate())};
    case RecordKind::AU: {
        const Audio_Format_AU &f = r.m_AF_AU;
        return rateArguments(sampleRates(), f.i_Samplerate(), limits, in) +
               channelArguments(channels(), f.i_Channels(), limits, in) +
               QStringList{"-codec:a", auCodecs().value(f.i_Codec())};
    }
    case RecordKind::CAF: {
        const Audio_Format_CAF &f = r.m_AF_CAF;
        return rateArguments(sampleRates(), f.i_Samplerate(), limits, in) +
               channelArguments(channels(), f.i_Channels(), limits, in) +
               QStringList{"-codec:a", sameinput::pcmCodec(cafSampleSizes(), f.i_Sample_Size(), in)};
    }
    case RecordKind::FLAC: {
        const Audio_Format_FLAC &f = r.m_AF_FLAC;
        return rateArguments(sampleRates(), f.i_Samplerate(), limits, in) +
               channelArguments(channels(), f.i_Channels(), limits, in) +
               QStringList{"-acodec", "flac", "-compression_level", flacCompression().value(f.i_Compression_Level())};
    }
    case RecordKind::MP3: {
        const Audio_Format_MP3 &f = r.m_AF_MP3;
        QStringList a{"-codec:a", "libmp3lame"};
        if (f.b_VBR())
            a << "-qscale:a" << tenStepQuality().value(f.i_VBR_Quality());
        else
            a << "-b:a" << wholeNumberBitrates().value(f.i_CBR_Bitrate());
        a << rateArguments(sampleRates(), f.i_SampleRate(), limits, in);
        const QString volume = mp3Volumes().value(f.i_Volume());
        if (!volume.isEmpty())
            a << "-af" << volume;
        a << channelArguments(channels(), f.i_Channels(), limits, in);
        return a;
    }
    case RecordKind::OGG: {
        const Audio_Format_OGG &f = r.m_AF_OGG;
        QStringList a{"-c:a", "libvorbis"};
        if (f.b_VBR())
            a << "-qscale:a" << tenStepQuality().value(f.i_VBR_Quality());
        else
            a << "-b:a" << wholeNumberBitrates().value(f.i_CBR_Bitrate());
        a << channelArguments(channels(), f.i_Channels(), limits, in);
        return a;
    }
    case RecordKind::RAW: {
        const Audio_Format_RAW &f = r.m_AF_RAW;
        return QStringList{"-f", rawFormats().container(f.i_Format()), "-acodec", rawFormats().value(f.i_Format())} +
               rateArguments(sampleRates(), f.i_Samplerate(), limits, in) +
               channelArguments(channels(), f.i_Channels(), limits, in);
    }
    case RecordKind::SPX: {
        const Audio_Format_SPX &f = r.m_AF_SPX;
        switch (f.i_Quality_VBR_CBR()) {
        case 1:
            // The constant bitrate goes with the sample-rate option: "-ar 16k".
            return {"-ar", spxBitrates().value(f.i_CBR_Bitrate())};
        case 2:
            return {"-ab", spxBitrates().value(f.i_VBR_Bitrate()), "-vbr", "on"};
        default:
            return {"-qscale:a", spxQualityPresets().value(f.i_Quality_Preset())};
        }
    }
    case RecordKind::WAV: {
        const Audio_Format_WAV &f = r.m_AF_WAV;
        return QStringList{"-acodec", sameinput::pcmCodec(wavFormats(), f.i_Format(), in)} +
               rateArguments(sampleRates(), f.i_Samplerate(), limits, in) +
               channelArguments(channels(), f.i_Channels(), limits, in);
    }
    case RecordKind::WMA: {
        const Audio_Format_WMA &f = r.m_AF_WMA;
        return QStringList{"-codec:a", wmaVersions().value(f.i_WMA_Format())} +
               rateArguments(shortSampleRates(), f.i_Samplerate(), limits, in) +
               channelArguments(channels(), f.i_Channels(), limits, in);
    }
    case RecordKind::M4A: {
        const Audio_Format_M4A &f = r.m_AF_M4A;
        QStringList a;
        // Apple Lossless has no bitrate: it keeps every sample as it is.
        if (m4aCodecs().value(f.i_Codec()) == QLatin1String("alac"))
            a << "-codec:a"
              << "alac";
        else
            a << "-ab" << kilobits().value(f.i_Bitrate());
        return a + rateArguments(sampleRates(), f.i_Sample_Rate(), limits, in) +
               channelArguments(channels(), f.i_Channels(), limits, in);
    }
    case RecordKind::OPUS: {
        const Audio_Format_OPUS &f = r.m_AF_OPUS;
        // libopus works at 48 kHz: every input is resampled to it.
        return {"-codec:a",     "libopus",
                "-b:a",         opusBitrates().value(f.i_Bitrate()),
                "-vbr",         opusModes().value(f.i_Mode()),
                "-application", opusApplications().value(f.i_Application()),
                "-ar",          "48000",
                "-ac",          monoStereo().value(f.i_Channels())};
    }
    }
    return {};
}

// Which of the input's streams the output takes. Only the first audio stream
// is encoded. MP3 keeps the cover picture as ffmpeg copies it by default; a
// film's video never goes there, and every other container either rejects a
// picture or would gain a video track, so they drop it. The tag-copy step puts
// the input's own pictures into those that hold them (FLAC included: ffmpeg
// would turn a JPEG cover into a PNG, which sox drops).
QStringList streamArguments(RecordKind kind, const NodeVideoFile &entry)
{
    const AudioStream &in = entry.m_Audio_Stream();
    const bool film = in.known() ? in.motionVideo : filelist::mayHoldVideo(entry.s_File_Extension());
    const bool keepsCover = kind == RecordKind::MP3 && !film;
    QStringList a;
    if (in.audioStreams > 1) {
        a << "-map"
          << "0:a:0";
        if (keepsCover)
            a << "-map"
              << "0:v?";
    }
    if (!keepsCover)
        a << "-vn";
    return a;
}
} // namespace

bool effectsFollow(qint64 formatIndex, const FormatRecords &records)
{
    const OutputFormat *format = formats::at(formatIndex);
    if (!format)
        return false;
    switch (format->effects) {
    case EffectsRule::Never:
        return false;
    case EffectsRule::Always:
        return true;
    case EffectsRule::WhenAiffUncompressed:
        return records.m_AF_AIFF.i_Format() == 2;
    case EffectsRule::WhenOggVbr:
        return records.m_AF_OGG.b_VBR() != 0;
    }
    return false;
}

QString finalPath(const QString &destinationFolder, const QString &baseName, const QString &extension)
{
    return destinationFolder + QLatin1Char('/') + baseName + extension;
}

QString intermediateName(const QString &baseName, const QString &extension, int number)
{
    const QString suffix = QStringLiteral("%1").arg(number, 3, 10, QLatin1Char('0')) + extension;
    const qsizetype room = kMaxNameBytes - suffix.toUtf8().size();
    QString stem = baseName;
    // Shortened a character at a time, never inside a surrogate pair, until
    // its UTF-8 form (what the file system stores) fits.
    while (!stem.isEmpty() && stem.toUtf8().size() > room)
        stem.chop(stem.size() >= 2 && stem.back().isLowSurrogate() ? 2 : 1);
    return stem + suffix;
}

QString intermediatePath(const QString &workFolder, const QString &baseName, const QString &extension, int number)
{
    return workFolder + QLatin1Char('/') + intermediateName(baseName, extension, number);
}

QString outputFolder(const QString &destinationFolder, const QString &subfolder)
{
    return subfolder.isEmpty() ? destinationFolder : destinationFolder + QLatin1Char('/') + subfolder;
}

QString inputText(const NodeVideoFile &entry)
{
    const QUrl url = entry.s_File_URL().isValid() && !entry.s_File_URL().isEmpty()
                         ? entry.s_File_URL()
                         : QUrl::fromLocalFile(entry.s_File_Path());
    return QUrl::fromPercentEncoding(url.toEncoded());
}

EncoderCommand build(qint64 formatIndex, const NodeVideoFile &entry, const QString &destinationFolder,
                     const QString &workFolder, const FormatRecords &records, const OutputName &name,
                     int intermediateNumber)
{
    EncoderCommand command;
    const OutputFormat *format = formats::at(formatIndex);
    if (!format)
        return command;
    command.valid = true;
    const QString baseName = name.baseName.isEmpty() ? entry.s_File_Name_Without_Extension() : name.baseName;
    command.effects = effectsFollow(formatIndex, records);
    command.finalFolder = outputFolder(destinationFolder, name.subfolder);
    command.finalPath = finalPath(command.finalFolder, baseName, format->extension);
    command.ffmpegOutputPath = command.effects
                                   ? intermediatePath(workFolder, baseName, format->extension, intermediateNumber)
                                   : command.finalPath;
    command.arguments = arguments(formatIndex, entry, records, command.ffmpegOutputPath);
    return command;
}

QStringList arguments(qint64 formatIndex, const NodeVideoFile &entry, const FormatRecords &records, const QString &outputPath)
{
    const OutputFormat *format = formats::at(formatIndex);
    if (!format)
        return {};
    QStringList a{QStringLiteral("-i"), inputText(entry)};
    a << formatArguments(formatIndex, format->record, records, entry.m_Audio_Stream());
    a << streamArguments(format->record, entry);
    a << outputPath;
    return a;
}
} // namespace encoder

} // namespace quavero
