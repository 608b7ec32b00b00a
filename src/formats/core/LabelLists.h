#pragma once
// Every label list the options dialogs show, defined once, and beside each the
// encoder value a position sends. Records store positions; only the argument
// builder turns them into values, through the functions of values:: below.
#include <QString>
#include <QStringList>

namespace labels {
const QStringList &sampleRates();          // 12: "6000" .. "192000"
const QStringList &shortSampleRates();     // 7: "6000" .. "44100" (WMA)
const QStringList &channels();             // "Mono", "Stereo"
const QStringList &kilobits();             // 16: "16k" .. "256k" (AIFF, M4A)
const QStringList &wholeNumberBitrates();  // 16: "8" .. "320" (MP3, OGG)
const QStringList &tenStepQuality();       // "0 (Highest)" .. "9 (Lowest)" (MP3, OGG)
const QStringList &aiffFormats();          // "CCITT A-Law", "CCITT U-Law", "Uncompressed"
const QStringList &amrBitrates();          // "4.75" .. "12.2"
const QStringList &auCodecs();             // "PCM 16 bit", "PCM 8 bit", "aLaw", "uLaw"
const QStringList &cafSampleSizes();       // "16", "32"
const QStringList &flacCompression();      // "0 (fastest)" .. "8 (best)"
const QStringList &mp3Volumes();           // "Do not alter volume", "255" .. "0"
const QStringList &rawFormats();           // "PCM 8" .. "G711 aLaw"
const QStringList &spxQualityPresets();    // "0 (Lowest)" .. "10 (Highest)"
const QStringList &spxBitrates();          // "8", "16", "32"
const QStringList &spxModes();             // "Quality", "CBR", "VBR" (radio buttons)
const QStringList &wavFormats();           // "PCM 8" .. "PCM 32"
const QStringList &wmaVersions();          // "WMA 1", "WMA 2" (radio buttons)
const QStringList &bitrateModes();         // "CBR", "VBR" for the b_VBR flag (0, 1)
} // namespace labels

// What each position sends to ffmpeg. A position outside its list gives an
// empty text.
namespace values {
QString sampleRate(qint64 position);        // sample-rate and short sample-rate lists
QString channels(qint64 position);          // "1", "2"
QString kilobitBitrate(qint64 position);    // the label itself: "48k"
QString mp3Bitrate(qint64 position);        // label + "k": "128k"
QString oggBitrate(qint64 position);        // label + "k": "40k"
QString amrBitrate(qint64 position);        // label + "k": "4.75k"
QString spxBitrate(qint64 position);        // label + "k": "16k"
QString mp3VolumeFilter(qint64 position);   // "" for position 0, else "volume=<label/256>"
QString aiffCodec(qint64 position);         // "pcm_alaw", "pcm_mulaw", "" (uncompressed)
QString auCodec(qint64 position);
QString cafCodec(qint64 position);
QString wavCodec(qint64 position);
QString rawContainer(qint64 position);
QString rawCodec(qint64 position);
QString wmaCodec(qint64 position);
QString number(qint64 position);            // quality numbers and FLAC level: "%ld"
} // namespace values
