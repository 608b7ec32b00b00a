// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/core/LabelLists.h"

#include <QtGlobal>

namespace quavero {

// Labels made of words are marked for translation in the context
// "FormatLabels"; the options dialogs show them translated, while the
// records and quavero-cli's --set keep these English texts.

ChoiceList::ChoiceList(std::initializer_list<Choice> choices) : ChoiceList(QVector<Choice>(choices)) {}

ChoiceList::ChoiceList(const QVector<Choice> &choices) : m_choices(choices)
{
    for (const Choice &c : m_choices)
        m_labels << c.label;
}

const Choice *ChoiceList::at(qint64 position) const
{
    return (position >= 0 && position < m_choices.size()) ? &m_choices.at(int(position)) : nullptr;
}

QString ChoiceList::label(qint64 position) const
{
    const Choice *c = at(position);
    return c ? c->label : QString();
}

QString ChoiceList::value(qint64 position) const
{
    const Choice *c = at(position);
    return c ? c->value : QString();
}

QString ChoiceList::container(qint64 position) const
{
    const Choice *c = at(position);
    return c ? c->container : QString();
}

bool ChoiceList::fromInput(qint64 position) const
{
    const Choice *c = at(position);
    return c && c->fromInput;
}

int ChoiceList::fromInputPosition() const
{
    for (int i = 0; i < m_choices.size(); ++i)
        if (m_choices[i].fromInput)
            return i;
    return -1;
}

ChoiceList ChoiceList::first(int count) const { return ChoiceList(m_choices.mid(0, count)); }

ChoiceList ChoiceList::withSameAsInput() const
{
    return ChoiceList(QVector<Choice>(m_choices) << labels::sameAsInput());
}

namespace labels {
Choice sameAsInput()
{
    Choice c(QT_TRANSLATE_NOOP("FormatLabels", "Same as input"), "");
    c.fromInput = true;
    return c;
}
namespace {
const ChoiceList &fixedSampleRates()
{
    static const ChoiceList l{{"6000", "6000"},   {"8000", "8000"},   {"11025", "11025"}, {"16000", "16000"},
                              {"22050", "22050"}, {"32000", "32000"}, {"44100", "44100"}, {"48000", "48000"},
                              {"64000", "64000"}, {"88200", "88200"}, {"96000", "96000"}, {"192000", "192000"}};
    return l;
}
} // namespace
const ChoiceList &sampleRates()
{
    static const ChoiceList l = fixedSampleRates().withSameAsInput();
    return l;
}
const ChoiceList &shortSampleRates()
{
    static const ChoiceList l = fixedSampleRates().first(7).withSameAsInput();
    return l;
}
const ChoiceList &monoStereo()
{
    static const ChoiceList l{{QT_TRANSLATE_NOOP("FormatLabels", "Mono"), "1"},
                              {QT_TRANSLATE_NOOP("FormatLabels", "Stereo"), "2"}};
    return l;
}
const ChoiceList &channels()
{
    static const ChoiceList l = monoStereo().withSameAsInput();
    return l;
}
const ChoiceList &kilobits()
{
    static const ChoiceList l{{"16k", "16k"},   {"24k", "24k"},   {"32k", "32k"},   {"40k", "40k"},
                              {"48k", "48k"},   {"56k", "56k"},   {"64k", "64k"},   {"80k", "80k"},
                              {"96k", "96k"},   {"112k", "112k"}, {"128k", "128k"}, {"144k", "144k"},
                              {"160k", "160k"}, {"192k", "192k"}, {"224k", "224k"}, {"256k", "256k"}};
    return l;
}
const ChoiceList &wholeNumberBitrates()
{
    static const ChoiceList l{{"8", "8k"},     {"16", "16k"},   {"24", "24k"},   {"32", "32k"},
                              {"40", "40k"},   {"48", "48k"},   {"64", "64k"},   {"80", "80k"},
                              {"96", "96k"},   {"112", "112k"}, {"128", "128k"}, {"160", "160k"},
                              {"192", "192k"}, {"224", "224k"}, {"256", "256k"}, {"320", "320k"}};
    return l;
}
const ChoiceList &tenStepQuality()
{
    static const ChoiceList l{{QT_TRANSLATE_NOOP("FormatLabels", "0 (Highest)"), "0"},
                              {"1", "1"},
                              {"2", "2"},
                              {"3", "3"},
                              {"4", "4"},
                              {"5", "5"},
                              {"6", "6"},
                              {"7", "7"},
                              {"8", "8"},
                              {QT_TRANSLATE_NOOP("FormatLabels", "9 (Lowest)"), "9"}};
    return l;
}
const ChoiceList &aiffFormats()
{
    static const ChoiceList l{{"CCITT A-Law", "pcm_alaw"},
                              {"CCITT U-Law", "pcm_mulaw"},
                              {QT_TRANSLATE_NOOP("FormatLabels", "Uncompressed"), ""}};
    return l;
}
const ChoiceList &amrBitrates()
{
    static const ChoiceList l{{"4.75", "4.75k"}, {"5.15", "5.15k"}, {"5.9", "5.9k"},   {"6.7", "6.7k"},
                              {"7.4", "7.4k"},   {"7.95", "7.95k"}, {"10.2", "10.2k"}, {"12.2", "12.2k"}};
    return l;
}
const ChoiceList &auCodecs()
{
    static const ChoiceList l{
        {"PCM 16 bit", "pcm_s16be"}, {"PCM 8 bit", "pcm_s8"}, {"aLaw", "pcm_alaw"}, {"uLaw", "pcm_mulaw"}};
    return l;
}
const ChoiceList &cafSampleSizes()
{
    static const ChoiceList l = ChoiceList{{"16", "pcm_s16be"}, {"32", "pcm_s32be"}}.withSameAsInput();
    return l;
}
const ChoiceList &flacCompression()
{
    static const ChoiceList l{{QT_TRANSLATE_NOOP("FormatLabels", "0 (fastest)"), "0"},
                              {"1", "1"},
                              {"2", "2"},
                              {"3", "3"},
                              {"4", "4"},
                              {"5", "5"},
                              {"6", "6"},
                              {"7", "7"},
                              {QT_TRANSLATE_NOOP("FormatLabels", "8 (best)"), "8"}};
    return l;
}
const ChoiceList &mp3Volumes()
{
    // The labels are levels on a scale where 256 leaves the volume as it is;
    // ffmpeg's volume filter wants the factor level / 256.
    static const ChoiceList l{{QT_TRANSLATE_NOOP("FormatLabels", "Do not alter volume"), ""},
                              {"255", "volume=0.996094"},
                              {"225", "volume=0.878906"},
                              {"200", "volume=0.78125"},
                              {"180", "volume=0.703125"},
                              {"150", "volume=0.585938"},
                              {"100", "volume=0.390625"},
                              {"50", "volume=0.195313"},
                              {"0", "volume=0"}};
    return l;
}
const ChoiceList &rawFormats()
{
    static const ChoiceList l{{"PCM 8", "pcm_s8", "s8"},
                              {"PCM 16", "pcm_s16le", "s16le"},
                              {"PCM 32", "pcm_s32le", "s32le"},
                              {"G711 uLaw", "pcm_mulaw", "s16le"},
                              {"G711 aLaw", "pcm_alaw", "s16le"}};
    return l;
}
const ChoiceList &spxQualityPresets()
{
    static const ChoiceList l{{QT_TRANSLATE_NOOP("FormatLabels", "0 (Lowest)"), "0"},
                              {"1", "1"},
                              {"2", "2"},
                              {"3", "3"},
                              {"4", "4"},
                              {"5", "5"},
                              {"6", "6"},
                              {"7", "7"},
                              {"8", "8"},
                              {"9", "9"},
                              {QT_TRANSLATE_NOOP("FormatLabels", "10 (Highest)"), "10"}};
    return l;
}
const ChoiceList &spxBitrates()
{
    static const ChoiceList l{{"8", "8k"}, {"16", "16k"}, {"32", "32k"}};
    return l;
}
const ChoiceList &spxModes()
{
    static const ChoiceList l{{"Quality", ""}, {"CBR", ""}, {"VBR", ""}};
    return l;
}
const ChoiceList &wavFormats()
{
    static const ChoiceList l = ChoiceList{
        {"PCM 8", "pcm_u8"},
        {"PCM 16", "pcm_s16le"},
        {"PCM 24", "pcm_s24le"},
        {"PCM 32", "pcm_s32le"}}.withSameAsInput();
    return l;
}
const ChoiceList &m4aCodecs()
{
    static const ChoiceList l{{"AAC", "aac"}, {"Apple Lossless", "alac"}};
    return l;
}
const ChoiceList &opusBitrates()
{
    static const ChoiceList l{{"6", "6k"},     {"8", "8k"},     {"12", "12k"},  {"16", "16k"}, {"24", "24k"},
                              {"32", "32k"},   {"48", "48k"},   {"64", "64k"},  {"96", "96k"}, {"128", "128k"},
                              {"160", "160k"}, {"192", "192k"}, {"256", "256k"}};
    return l;
}
const ChoiceList &opusModes()
{
    static const ChoiceList l{
        {"VBR", "on"}, {QT_TRANSLATE_NOOP("FormatLabels", "Constrained VBR"), "constrained"}, {"CBR", "off"}};
    return l;
}
const ChoiceList &opusApplications()
{
    static const ChoiceList l{{QT_TRANSLATE_NOOP("FormatLabels", "Music"), "audio"},
                              {QT_TRANSLATE_NOOP("FormatLabels", "Speech"), "voip"},
                              {QT_TRANSLATE_NOOP("FormatLabels", "Low delay"), "lowdelay"}};
    return l;
}
const ChoiceList &wmaVersions()
{
    static const ChoiceList l{{"WMA 1", "wmav1"}, {"WMA 2", "wmav2"}};
    return l;
}
const ChoiceList &bitrateModes()
{
    static const ChoiceList l{{"CBR", ""}, {"VBR", ""}};
    return l;
}
} // namespace labels

} // namespace quavero
