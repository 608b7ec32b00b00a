// SPDX-License-Identifier: GPL-3.0-or-later
// Presets as data: the built-in ones and the arguments they give ffmpeg,
// using a preset that another version wrote, making one from the current
// settings, and finding one by name.
#include "QtPrinters.h"

#include "convert/core/EncoderCommand.h"
#include "formats/core/OptionFields.h"
#include "presets/core/BuiltinPresets.h"
#include "presets/core/PresetUse.h"

#include <gtest/gtest.h>

namespace quavero {

namespace {
// The ffmpeg arguments after the input, and whether sox follows.
std::string argumentsFor(const PresetSettings &s)
{
    NodeVideoFile entry;
    entry.setS_File_Path(QStringLiteral("/in/a.wav"));
    entry.setS_File_URL(QUrl::fromLocalFile(entry.s_File_Path()));
    entry.setS_File_Name_Without_Extension(QStringLiteral("a"));
    const EncoderCommand c =
        encoder::build(s.formatIndex, entry, QStringLiteral("/out"), QStringLiteral("/work"), s.records);
    QStringList args = c.arguments;
    args.removeLast(); // the output path
    return args.mid(args.indexOf(QStringLiteral("-i")) + 2).join(QLatin1Char(' ')).toStdString();
}

PresetSettings applied(const Preset &preset)
{
    PresetSettings s;
    const UsablePreset usable = presets::usable(preset);
    EXPECT_TRUE(usable.ok()) << usable.error.toStdString();
    EXPECT_TRUE(usable.warnings.isEmpty()) << usable.warnings.join('\n').toStdString();
    presets::apply(usable, s, startRecords());
    return s;
}

const Preset *builtIn(const QList<Preset> &list, const char *name)
{
    const Preset *p = presets::find(list, QLatin1String(name));
    EXPECT_NE(p, nullptr) << name;
    return p;
}
} // namespace

TEST(BuiltInPresets, GiveTheEncoderWhatTheirNamesSay)
{
    const QList<Preset> list = presets::builtIn();
    ASSERT_EQ(list.size(), 4);
    for (const Preset &p : list)
        EXPECT_TRUE(p.builtIn);

    EXPECT_EQ(argumentsFor(applied(*builtIn(list, "Phone (MP3, VBR quality 2)"))),
              "-codec:a libmp3lame -qscale:a 2 -ar 44100 -ac 2");
    const PresetSettings archive = applied(*builtIn(list, "Archive (FLAC, same as input)"));
    EXPECT_EQ(formats::at(archive.formatIndex)->item, ".FLAC");
    EXPECT_EQ(archive.records.m_AF_FLAC.i_Compression_Level(), 8);
    const PresetSettings cd = applied(*builtIn(list, "CD quality (WAV, 16 bit, 44,100 Hz)"));
    EXPECT_EQ(argumentsFor(cd), "-acodec pcm_s16le -ar 44100 -ac 2 -vn");

    if (formats::indexFromName(QStringLiteral("opus")) >= 0) {
        EXPECT_EQ(formats::at(applied(*builtIn(list, "Speech (Opus, 32 kbit/s, mono)")).formatIndex)->item, ".OPUS");
    } else {
        EXPECT_EQ(argumentsFor(applied(*builtIn(list, "Speech (MP3, 64 kbit/s, mono)"))),
                  "-codec:a libmp3lame -b:a 64k -ar 44100 -ac 1");
    }
}

TEST(BuiltInPresets, ArchiveKeepsTheInputsRateAndChannelsWhereTheListsOfferIt)
{
    // The archive asks for "Same as input" first and takes 44,100 Hz stereo
    // only where the lists do not offer it yet.
    const QList<Preset> list = presets::builtIn();
    const Preset *archive = builtIn(list, "Archive");
    const RecordKind flac = formats::at(formats::indexFromName(QStringLiteral("flac")))->record;
    for (const char *option : {"rate", "channels"}) {
        const OptionField *field = options::byName(flac, QLatin1String(option));
        const bool offered = field->choices->labels().contains(QStringLiteral("Same as input"));
        QString value;
        for (const NamedValue &v : archive->options)
            if (v.name == QLatin1String(option))
                value = v.value;
        EXPECT_EQ(value, offered ? QStringLiteral("Same as input")
                                 : QLatin1String(option == QLatin1String("rate") ? "44100" : "Stereo"));
    }
}

TEST(PresetUse, APresetSetsEveryOptionOfItsFormatWhateverWasChosenBefore)
{
    PresetSettings s;
    s.records.m_AF_MP3.setI_Volume(5);
    s.records.m_AF_MP3.setI_Channels(0);
    s.records.m_AF_WAV.setI_Format(3); // another format's options stay
    s.nameTemplate = QStringLiteral("{title}");
    presets::apply(presets::usable(*builtIn(presets::builtIn(), "phone")), s, startRecords());
    EXPECT_EQ(s.records.m_AF_MP3.i_Volume(), startRecords().m_AF_MP3.i_Volume());
    EXPECT_EQ(s.records.m_AF_MP3.i_Channels(), 1);
    EXPECT_EQ(s.records.m_AF_WAV.i_Format(), 3);
    EXPECT_EQ(s.nameTemplate, "{title}"); // a preset without a template keeps the naming
}

TEST(PresetUse, CapturedSettingsComeBackTheSame)
{
    PresetSettings s;
    s.formatIndex = formats::indexFromName(QStringLiteral("ogg"));
    s.records.m_AF_OGG.setB_VBR(0);
    s.records.m_AF_OGG.setI_CBR_Bitrate(10);
    s.records.m_AF_OGG.setF_Speed(1.25f);
    s.records.m_AF_OGG.setI_Gain(-6);
    s.nameTemplate = QStringLiteral("{artist}/{title}");
    s.copyTags = false;
    s.keepStructure = false;
    const Preset preset = presets::capture(QStringLiteral(" Loud podcast "), s);
    EXPECT_EQ(preset.name, "Loud podcast");
    EXPECT_EQ(presets::description(preset),
              "ogg: mode=CBR, quality=4, bitrate=128, channels=Stereo, speed=1.25, gain=-6, treble=0, bass=0; "
              "names {artist}/{title}; tags=no, folders=flat");

    PresetSettings back;
    presets::apply(presets::usable(preset), back, startRecords());
    EXPECT_EQ(back.formatIndex, s.formatIndex);
    EXPECT_EQ(argumentsFor(back), argumentsFor(s));
    EXPECT_FLOAT_EQ(back.records.m_AF_OGG.f_Speed(), 1.25f);
    EXPECT_EQ(back.records.m_AF_OGG.i_Gain(), -6);
    EXPECT_EQ(back.nameTemplate, s.nameTemplate);
    EXPECT_FALSE(back.copyTags);
    EXPECT_FALSE(back.keepStructure);
}

TEST(PresetUse, WhatThisVersionDoesNotKnowIsLeftOutWithAWarning)
{
    Preset newer;
    newer.name = QStringLiteral("From a newer version");
    newer.format = QStringLiteral("MP3");
    newer.options = {{"quality", "0 (highest)"}, {"dither", "triangular"}, {"channels", "5.1"}};
    newer.nameTemplate = QStringLiteral("{artist}/{mood}");
    newer.run = {{"tags", "no"}, {"loudness", "album"}, {"folders", "sideways"}};
    const UsablePreset usable = presets::usable(newer);
    ASSERT_TRUE(usable.ok());
    EXPECT_EQ(usable.options, (QVector<NamedValue>{{"quality", "0 (highest)"}}));
    EXPECT_FALSE(usable.nameTemplate.has_value());
    EXPECT_EQ(usable.run, (QVector<NamedValue>{{"tags", "no"}}));
    const QString warnings = usable.warnings.join('\n');
    EXPECT_EQ(usable.warnings.size(), 5) << warnings.toStdString();
    EXPECT_TRUE(warnings.contains("mp3 has no option 'dither' in this version; it is left out"));
    EXPECT_TRUE(warnings.contains("'5.1' is not a value of channels"));
    EXPECT_TRUE(warnings.contains("unknown field {mood} at position 10"));
    EXPECT_TRUE(warnings.contains("the run setting 'loudness' is not known"));
    EXPECT_TRUE(warnings.contains("'sideways' is not a value of folders"));

    PresetSettings s;
    presets::apply(usable, s, startRecords());
    EXPECT_EQ(s.records.m_AF_MP3.i_VBR_Quality(), 0);
    EXPECT_FALSE(s.copyTags);

    Preset unknownFormat = newer;
    unknownFormat.format = QStringLiteral("mqa");
    EXPECT_EQ(presets::usable(unknownFormat).error,
              "the preset 'From a newer version' is for the format 'mqa', which this version does not have");
}

TEST(PresetUse, FindsAPresetByItsNameOrItsNameWithoutTheRemark)
{
    QList<Preset> list = presets::builtIn();
    Preset mine;
    mine.name = QStringLiteral("Phone (old)");
    list << mine;
    EXPECT_EQ(presets::find(list, "phone (mp3, vbr quality 2)"), &list[0]);
    EXPECT_EQ(presets::find(list, " CD quality "), &list[2]);
    EXPECT_EQ(presets::find(list, "Phone"), nullptr); // two presets answer to it
    EXPECT_EQ(presets::find(list, "Phone (old)"), &list.last());
    EXPECT_EQ(presets::find(list, "Tape"), nullptr);
}

} // namespace quavero
