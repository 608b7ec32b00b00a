// SPDX-License-Identifier: GPL-3.0-or-later
// Every position of every list of every format, through the argument builder:
// the ffmpeg value a position sends is the one its label names. The names are
// read from the labels here, independently of the choice tables, so a value
// moved, swapped or mistyped in a table fails this walk. The input is a
// 48 kHz mono 24-bit file, which every format's "Same as input" keeps.
#include "EntryFromPath.h"
#include "QtPrinters.h"
#include "convert/core/EncoderCommand.h"
#include "formats/core/FormatTable.h"
#include "formats/core/OptionFields.h"

#include <QRegularExpression>
#include <functional>

#include <gtest/gtest.h>

namespace quavero {

namespace {
// What a label names: the run of arguments that must stand in the vector, or,
// when the run is empty, the option that must be absent.
struct Named {
    QStringList run;
    QString absent = {};
};
using Naming = std::function<Named(const QString &label)>;

struct Rule {
    RecordKind record;
    const char *option;                        // the option's short name
    std::function<void(FormatRecords &)> mode; // puts the record in the mode that uses the option
    Naming naming;
};

Named unknown(const QString &label) { return {{QStringLiteral("<no name for the label '%1'>").arg(label)}}; }

int bitsIn(const QString &label)
{
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("(\\d+)")).match(label);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString leadingNumber(const QString &label) { return label.section(QLatin1Char(' '), 0, 0); }

// "aLaw", "CCITT A-Law", "G711 aLaw" -> "pcm_alaw"; u-law -> "pcm_mulaw".
QString lawCodec(const QString &label)
{
    const QString l = label.toLower().remove(QLatin1Char('-'));
    if (l.contains(QLatin1String("alaw")))
        return QStringLiteral("pcm_alaw");
    if (l.contains(QLatin1String("ulaw")))
        return QStringLiteral("pcm_mulaw");
    return QString();
}

Naming option(const char *name, const std::function<QString(const QString &)> &value)
{
    return [name, value](const QString &label) { return Named{{QString::fromLatin1(name), value(label)}}; };
}

constexpr const char *kSame = "Same as input";
QString itself(const QString &label) { return label == QLatin1String(kSame) ? QStringLiteral("48000") : label; }
QString kilobitsOf(const QString &label) { return label + QLatin1Char('k'); }

Named channels(const QString &label)
{
    if (label == QLatin1String("Mono"))
        return {{"-ac", "1"}};
    if (label == QLatin1String("Stereo"))
        return {{"-ac", "2"}};
    if (label == QLatin1String(kSame))
        return {{"-ac", "1"}};
    return unknown(label);
}

// PCM codecs by sample width, signed unless 8-bit WAV; the byte order is the
// container's. "Same as input" is the input's 24 bits, or the next larger
// width the list has.
Naming pcm(const char *option, const char *order, const char *eightBit, int sameBits = 24)
{
    return [=](const QString &label) {
        const QString law = lawCodec(label);
        if (!law.isEmpty())
            return Named{{option, law}};
        const int bits = label == QLatin1String(kSame) ? sameBits : bitsIn(label);
        if (bits <= 0)
            return unknown(label);
        return Named{{option, bits == 8 ? QString::fromLatin1(eightBit)
                                        : QStringLiteral("pcm_s%1%2").arg(bits).arg(QLatin1String(order))}};
    };
}

Named rawFormat(const QString &label)
{
    const QString law = lawCodec(label);
    if (!law.isEmpty())
        return {{"-acodec", law}};
    const int bits = bitsIn(label);
    if (bits <= 0)
        return unknown(label);
    const QString raw = bits == 8 ? QStringLiteral("s8") : QStringLiteral("s%1le").arg(bits);
    return {{"-f", raw, "-acodec", "pcm_" + raw}};
}

Named aiffFormat(const QString &label)
{
    if (label == QLatin1String("Uncompressed"))
        return {{}, "-codec:a"};
    const QString law = lawCodec(label);
    return law.isEmpty() ? unknown(label) : Named{{"-codec:a", law}};
}

Named mp3Volume(const QString &label)
{
    if (label == QLatin1String("Do not alter volume"))
        return {{}, "-af"};
    bool ok = false;
    const double level = label.toDouble(&ok);
    // A level of 256 keeps the volume; the filter takes the factor.
    return ok ? Named{{"-af", "volume=" + QString::number(level / 256.0, 'g', 6)}} : unknown(label);
}

Named wmaVersion(const QString &label)
{
    const int version = bitsIn(label);
    return version > 0 ? Named{{"-codec:a", QStringLiteral("wmav%1").arg(version)}} : unknown(label);
}

// Mode lists name the option of the mode they turn on.
Naming modes(std::initializer_list<std::pair<const char *, QStringList>> byLabel)
{
    const QVector<std::pair<const char *, QStringList>> table(byLabel);
    return [table](const QString &label) {
        for (const auto &[name, run] : table)
            if (label == QLatin1String(name))
                return Named{run};
        return unknown(label);
    };
}

template <typename Set> std::function<void(FormatRecords &)> with(Set set) { return set; }
const std::function<void(FormatRecords &)> kAsItIs = [](FormatRecords &) {};

const QVector<Rule> &rules()
{
    using K = RecordKind;
    static const QVector<Rule> r{
        {K::AIFF, "rate", kAsItIs, option("-ar", itself)},
        {K::AIFF, "channels", kAsItIs, channels},
        {K::AIFF, "codec", kAsItIs, aiffFormat},
        {K::AIFF, "bitrate", kAsItIs, option("-ab", itself)},
        {K::AMR, "bitrate", kAsItIs, option("-ab", kilobitsOf)},
        {K::AU, "codec", kAsItIs, pcm("-codec:a", "be", "pcm_s8")},
        {K::AU, "rate", kAsItIs, option("-ar", itself)},
        {K::AU, "channels", kAsItIs, channels},
        {K::CAF, "bits", kAsItIs, pcm("-codec:a", "be", "pcm_s8", 32)},
        {K::CAF, "rate", kAsItIs, option("-ar", itself)},
        {K::CAF, "channels", kAsItIs, channels},
        {K::FLAC, "compression", kAsItIs, option("-compression_level", leadingNumber)},
        {K::FLAC, "rate", kAsItIs, option("-ar", itself)},
        {K::FLAC, "channels", kAsItIs, channels},
        {K::MP3, "mode", kAsItIs, modes({{"CBR", {"-b:a"}}, {"VBR", {"-qscale:a"}}})},
        {K::MP3, "quality", with([](FormatRecords &f) { f.m_AF_MP3.setB_VBR(1); }), option("-qscale:a", leadingNumber)},
        {K::MP3, "bitrate", with([](FormatRecords &f) { f.m_AF_MP3.setB_VBR(0); }), option("-b:a", kilobitsOf)},
        {K::MP3, "channels", kAsItIs, channels},
        {K::MP3, "rate", kAsItIs, option("-ar", itself)},
        {K::MP3, "volume", kAsItIs, mp3Volume},
        {K::OGG, "mode", kAsItIs, modes({{"CBR", {"-b:a"}}, {"VBR", {"-qscale:a"}}})},
        {K::OGG, "quality", with([](FormatRecords &f) { f.m_AF_OGG.setB_VBR(1); }), option("-qscale:a", leadingNumber)},
        {K::OGG, "bitrate", with([](FormatRecords &f) { f.m_AF_OGG.setB_VBR(0); }), option("-b:a", kilobitsOf)},
        {K::OGG, "channels", kAsItIs, channels},
        {K::RAW, "codec", kAsItIs, rawFormat},
        {K::RAW, "rate", kAsItIs, option("-ar", itself)},
        {K::RAW, "channels", kAsItIs, channels},
        {K::SPX, "mode", kAsItIs, modes({{"Quality", {"-qscale:a"}}, {"CBR", {"-ar"}}, {"VBR", {"-vbr", "on"}}})},
        {K::SPX, "quality", with([](FormatRecords &f) { f.m_AF_SPX.setI_Quality_VBR_CBR(0); }),
         option("-qscale:a", leadingNumber)},
        // The constant bitrate goes with the sample-rate option.
        {K::SPX, "cbr-bitrate", with([](FormatRecords &f) { f.m_AF_SPX.setI_Quality_VBR_CBR(1); }),
         option("-ar", kilobitsOf)},
        {K::SPX, "vbr-bitrate", with([](FormatRecords &f) { f.m_AF_SPX.setI_Quality_VBR_CBR(2); }),
         option("-ab", kilobitsOf)},
        {K::WAV, "codec", kAsItIs, pcm("-acodec", "le", "pcm_u8")},
        {K::WAV, "rate", kAsItIs, option("-ar", itself)},
        {K::WAV, "channels", kAsItIs, channels},
        {K::WMA, "version", kAsItIs, wmaVersion},
        {K::WMA, "rate", kAsItIs, option("-ar", itself)},
        {K::WMA, "channels", kAsItIs, channels},
        {K::M4A, "rate", kAsItIs, option("-ar", itself)},
        {K::M4A, "channels", kAsItIs, channels},
        {K::M4A, "bitrate", kAsItIs, option("-ab", itself)},
        {K::M4A, "codec", kAsItIs, modes({{"AAC", {"-ab"}}, {"Apple Lossless", {"-codec:a", "alac"}}})},
        {K::OPUS, "bitrate", kAsItIs, option("-b:a", kilobitsOf)},
        {K::OPUS, "mode", kAsItIs,
         modes({{"VBR", {"-vbr", "on"}}, {"Constrained VBR", {"-vbr", "constrained"}}, {"CBR", {"-vbr", "off"}}})},
        {K::OPUS, "application", kAsItIs,
         modes({{"Music", {"-application", "audio"}},
                {"Speech", {"-application", "voip"}},
                {"Low delay", {"-application", "lowdelay"}}})},
        {K::OPUS, "channels", kAsItIs, channels},
    };
    return r;
}

const Rule *ruleFor(RecordKind record, const QString &name)
{
    for (const Rule &rule : rules())
        if (rule.record == record && name == QLatin1String(rule.option))
            return &rule;
    return nullptr;
}

bool containsRun(const QStringList &arguments, const QStringList &run)
{
    for (int i = 0; i + run.size() <= arguments.size(); ++i)
        if (arguments.mid(i, run.size()) == run)
            return true;
    return false;
}
} // namespace

TEST(ChoiceWalk, EveryPositionSendsTheValueItsLabelNames)
{
    NodeVideoFile entry = testentries::entryFor(QStringLiteral("/music/a.wav"));
    AudioStream stream;
    stream.codec = QStringLiteral("pcm_s24le");
    stream.sampleRate = 48000;
    stream.channels = 1;
    stream.bitsPerSample = 24;
    stream.audioStreams = 1;
    entry.setM_Audio_Stream(stream);
    int walked = 0;
    for (const OutputFormat &format : formats::all()) {
        for (const OptionField &field : options::fieldsOf(format.record)) {
            if (!field.choices)
                continue;
            const Rule *rule = ruleFor(format.record, field.name);
            ASSERT_NE(rule, nullptr) << "no naming rule for " << format.item.toStdString() << " "
                                     << field.name.toStdString();
            for (int position = 0; position < field.choices->size(); ++position) {
                FormatRecords records = startRecords();
                rule->mode(records);
                field.set(records, position);
                const QStringList arguments =
                    encoder::build(format.index, entry, QStringLiteral("/out"), QStringLiteral("/work"), records).arguments;
                const QString label = field.choices->label(position);
                const Named named = rule->naming(label);
                const std::string where = format.item.toStdString() + " " + field.name.toStdString() + " position " +
                                          std::to_string(position) + " '" + label.toStdString() + "'";
                if (named.run.isEmpty())
                    EXPECT_FALSE(arguments.contains(named.absent)) << where << ": " << ::testing::PrintToString(arguments);
                else
                    EXPECT_TRUE(containsRun(arguments, named.run))
                        << where << ": wants " << ::testing::PrintToString(named.run) << " in "
                        << ::testing::PrintToString(arguments);
                ++walked;
            }
        }
    }
    // Sixteen formats, the three AIFF formats walking the same record: a walk
    // that silently skipped lists would count far fewer positions.
    EXPECT_GT(walked, 300);
}

TEST(ChoiceWalk, EveryRuleNamesAnOptionThatExists)
{
    for (const Rule &rule : rules()) {
        const OptionField *field = options::byName(rule.record, QLatin1String(rule.option));
        ASSERT_NE(field, nullptr) << rule.option;
        EXPECT_NE(field->choices, nullptr) << rule.option;
    }
}

TEST(ChoiceList, PositionsOutsideTheListGiveEmptyText)
{
    const ChoiceList &rates = labels::sampleRates();
    EXPECT_EQ(rates.at(-1), nullptr);
    EXPECT_EQ(rates.at(rates.size()), nullptr);
    EXPECT_EQ(rates.value(rates.size()), QString());
    EXPECT_EQ(rates.label(-1), QString());
    EXPECT_EQ(labels::rawFormats().container(5), QString());
    EXPECT_EQ(labels::shortSampleRates().labels(), rates.labels().mid(0, 7) << "Same as input");
    EXPECT_EQ(labels::shortSampleRates().value(6), "44100");
}

} // namespace quavero
