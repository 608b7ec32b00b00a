#include "formats/core/LabelLists.h"

namespace labels {
const QStringList &sampleRates()
{
    static const QStringList l{"6000", "8000", "11025", "16000", "22050", "32000",
                               "44100", "48000", "64000", "88200", "96000", "192000"};
    return l;
}
const QStringList &shortSampleRates()
{
    static const QStringList l = sampleRates().mid(0, 7);
    return l;
}
const QStringList &channels()
{
    static const QStringList l{"Mono", "Stereo"};
    return l;
}
const QStringList &kilobits()
{
    static const QStringList l{"16k", "24k", "32k", "40k", "48k", "56k", "64k", "80k",
                               "96k", "112k", "128k", "144k", "160k", "192k", "224k", "256k"};
    return l;
}
const QStringList &wholeNumberBitrates()
{
    static const QStringList l{"8", "16", "24", "32", "40", "48", "64", "80",
                               "96", "112", "128", "160", "192", "224", "256", "320"};
    return l;
}
const QStringList &tenStepQuality()
{
    static const QStringList l{"0 (Highest)", "1", "2", "3", "4", "5", "6", "7", "8", "9 (Lowest)"};
    return l;
}
const QStringList &aiffFormats()
{
    static const QStringList l{"CCITT A-Law", "CCITT U-Law", "Uncompressed"};
    return l;
}
const QStringList &amrBitrates()
{
    static const QStringList l{"4.75", "5.15", "5.9", "6.7", "7.4", "7.95", "10.2", "12.2"};
    return l;
}
const QStringList &auCodecs()
{
    static const QStringList l{"PCM 16 bit", "PCM 8 bit", "aLaw", "uLaw"};
    return l;
}
const QStringList &cafSampleSizes()
{
    static const QStringList l{"16", "32"};
    return l;
}
const QStringList &flacCompression()
{
    static const QStringList l{"0 (fastest)", "1", "2", "3", "4", "5", "6", "7", "8 (best)"};
    return l;
}
const QStringList &mp3Volumes()
{
    static const QStringList l{"Do not alter volume", "255", "225", "200", "180", "150", "100", "50", "0"};
    return l;
}
const QStringList &rawFormats()
{
    static const QStringList l{"PCM 8", "PCM 16", "PCM 32", "G711 uLaw", "G711 aLaw"};
    return l;
}
const QStringList &spxQualityPresets()
{
    static const QStringList l{"0 (Lowest)", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10 (Highest)"};
    return l;
}
const QStringList &spxBitrates()
{
    static const QStringList l{"8", "16", "32"};
    return l;
}
const QStringList &spxModes()
{
    static const QStringList l{"Quality", "CBR", "VBR"};
    return l;
}
const QStringList &wavFormats()
{
    static const QStringList l{"PCM 8", "PCM 16", "PCM 24", "PCM 32"};
    return l;
}
const QStringList &wmaVersions()
{
    static const QStringList l{"WMA 1", "WMA 2"};
    return l;
}
const QStringList &bitrateModes()
{
    static const QStringList l{"CBR", "VBR"};
    return l;
}
} // namespace labels

namespace values {
namespace {
QString at(const QStringList &list, qint64 position)
{
    return (position >= 0 && position < list.size()) ? list.at(int(position)) : QString();
}
QString withK(const QStringList &list, qint64 position)
{
    const QString label = at(list, position);
    return label.isEmpty() ? label : label + QLatin1Char('k');
}
} // namespace

QString sampleRate(qint64 p) { return at(labels::sampleRates(), p); }
QString channels(qint64 p) { return at({"1", "2"}, p); }
QString kilobitBitrate(qint64 p) { return at(labels::kilobits(), p); }
QString mp3Bitrate(qint64 p) { return withK(labels::wholeNumberBitrates(), p); }
QString oggBitrate(qint64 p) { return withK(labels::wholeNumberBitrates(), p); }
QString amrBitrate(qint64 p) { return withK(labels::amrBitrates(), p); }
QString spxBitrate(qint64 p) { return withK(labels::spxBitrates(), p); }

QString mp3VolumeFilter(qint64 p)
{
    // The labels are levels on a scale where 256 leaves the volume as it is;
    // ffmpeg's volume filter wants a factor.
    if (p <= 0 || p >= labels::mp3Volumes().size())
        return QString();
    const double level = labels::mp3Volumes().at(int(p)).toDouble();
    return QStringLiteral("volume=") + QString::number(level / 256.0, 'g', 6);
}

QString aiffCodec(qint64 p) { return at({"pcm_alaw", "pcm_mulaw"}, p); }
QString auCodec(qint64 p) { return at({"pcm_s16be", "pcm_s8", "pcm_alaw", "pcm_mulaw"}, p); }
QString cafCodec(qint64 p) { return at({"pcm_s16be", "pcm_s32be"}, p); }
QString wavCodec(qint64 p) { return at({"pcm_u8", "pcm_s16le", "pcm_s24le", "pcm_s32le"}, p); }
QString rawContainer(qint64 p) { return at({"s8", "s16le", "s32le", "s16le", "s16le"}, p); }
QString rawCodec(qint64 p) { return at({"pcm_s8", "pcm_s16le", "pcm_s32le", "pcm_mulaw", "pcm_alaw"}, p); }
QString wmaCodec(qint64 p) { return at({"wmav1", "wmav2"}, p); }
QString number(qint64 p) { return QString::number(p); }
} // namespace values
