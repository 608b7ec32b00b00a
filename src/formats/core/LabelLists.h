// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every list the options dialogs show, defined once. Each choice is one entry
// holding its label together with the ffmpeg value its position sends, so a
// label cannot drift away from its value. Records store positions; the
// dialogs show the labels, the command-line tool reads the labels, and only
// the argument builder reads the values.
#include <QString>
#include <QStringList>
#include <QVector>
#include <initializer_list>

namespace quavero {

struct Choice {
    Choice(const char *label, const char *value, const char *container = "")
        : label(QString::fromUtf8(label)), value(QString::fromUtf8(value)), container(QString::fromUtf8(container))
    {
    }
    QString label;     // what the dialog shows and the command line accepts
    QString value;     // what ffmpeg gets for it; empty where the position adds no argument
    QString container; // the raw muxer ("-f") the codec is written in; RAW formats only
    // "Same as input": no value of its own; the argument builder takes the
    // input's value, within what the format allows.
    bool fromInput = false;
};

class ChoiceList {
public:
    ChoiceList(std::initializer_list<Choice> choices);
    explicit ChoiceList(const QVector<Choice> &choices);

    int size() const { return int(m_choices.size()); }
    const QStringList &labels() const { return m_labels; }
    // The choice at a position, or nullptr outside the list.
    const Choice *at(qint64 position) const;
    // The label and value at a position; empty text outside the list.
    QString label(qint64 position) const;
    QString value(qint64 position) const;
    QString container(qint64 position) const;
    // True when the position is the list's "Same as input".
    bool fromInput(qint64 position) const;
    // The position of "Same as input"; -1 when the list has none.
    int fromInputPosition() const;
    // The first `count` choices.
    ChoiceList first(int count) const;
    // The same choices with "Same as input" appended.
    ChoiceList withSameAsInput() const;

private:
    QVector<Choice> m_choices;
    QStringList m_labels;
};

namespace labels {
// The last entry of the sample-rate, channels and sample-size lists, after
// the positions stored before it existed.
Choice sameAsInput();
const ChoiceList &sampleRates();         // 12: "6000" .. "192000", each sends itself; "Same as input"
const ChoiceList &shortSampleRates();    // 7: "6000" .. "44100" (WMA); "Same as input"
const ChoiceList &channels();            // "Mono" sends "1", "Stereo" "2"; "Same as input"
const ChoiceList &monoStereo();          // "Mono", "Stereo" (Opus)
const ChoiceList &kilobits();            // 16: "16k" .. "256k", each sends itself (AIFF, M4A)
const ChoiceList &wholeNumberBitrates(); // 16: "8" .. "320", sending "8k" .. "320k" (MP3, OGG)
const ChoiceList &tenStepQuality();      // "0 (Highest)" .. "9 (Lowest)", sending "0" .. "9"
const ChoiceList &aiffFormats();         // "CCITT A-Law", "CCITT U-Law", "Uncompressed" (no codec)
const ChoiceList &amrBitrates();         // "4.75" .. "12.2", sending "4.75k" .. "12.2k"
const ChoiceList &auCodecs();            // "PCM 16 bit", "PCM 8 bit", "aLaw", "uLaw"
const ChoiceList &cafSampleSizes();      // "16", "32" bits; "Same as input"
const ChoiceList &flacCompression();     // "0 (fastest)" .. "8 (best)", sending "0" .. "8"
const ChoiceList &mp3Volumes();          // "Do not alter volume" (no filter), "255" .. "0" as "volume=<label/256>"
const ChoiceList &rawFormats();          // "PCM 8" .. "G711 aLaw": codec and container
const ChoiceList &spxQualityPresets();   // "0 (Lowest)" .. "10 (Highest)", sending "0" .. "10"
const ChoiceList &spxBitrates();         // "8", "16", "32", sending "8k" .. "32k"
const ChoiceList &spxModes();            // "Quality", "CBR", "VBR" (radio buttons; no value)
const ChoiceList &wavFormats();          // "PCM 8" .. "PCM 32"; "Same as input"
const ChoiceList &m4aCodecs();           // "AAC", "Apple Lossless"
const ChoiceList &opusBitrates();        // "6" .. "256" kbit/s, sending "6k" .. "256k"
const ChoiceList &opusModes();           // "VBR", "Constrained VBR", "CBR" for libopus's -vbr
const ChoiceList &opusApplications();    // "Music", "Speech", "Low delay" for libopus's -application
const ChoiceList &wmaVersions();         // "WMA 1", "WMA 2" (radio buttons)
const ChoiceList &bitrateModes();        // "CBR", "VBR" for the b_VBR flag (0, 1; no value)
} // namespace labels

} // namespace quavero
