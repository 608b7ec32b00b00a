// SPDX-License-Identifier: GPL-3.0-or-later
// The choices an encoder cannot take: refused in plain words before a run,
// and not offered, for every format; the start values, the command line's
// and the built-in presets are never refused.
#include "convert/core/RunPlanner.h"
#include "formats/core/ChoiceLimits.h"
#include "formats/core/FormatTable.h"
#include "presets/core/BuiltinPresets.h"
#include "presets/core/PresetUse.h"

#include <gtest/gtest.h>

namespace quavero {

namespace {
int positionOf(const OptionField &field, const QString &label) { return int(field.choices->labels().indexOf(label)); }

const OptionField &rateOf(RecordKind record) { return *options::byName(record, QStringLiteral("rate")); }

constexpr int kMP3 = 8;
constexpr int kM4A = 14;
} // namespace

// Every position of every list of every format: refused exactly when it is
// not offered, and then in words that name the format, the choice and what
// may be chosen instead, which is a choice that is taken.
TEST(ChoiceLimits, EveryFormatRefusesWhatItDoesNotOfferAndSaysWhatItTakes)
{
    int refusals = 0;
    for (const OutputFormat &format : formats::all()) {
        for (const OptionField &field : options::fieldsOf(format.record)) {
            if (!field.choices || field.kind != OptionKind::Position)
                continue;
            for (int position = 0; position < field.choices->size(); ++position) {
                SCOPED_TRACE(format.item.toStdString() + " " + field.name.toStdString() + " " +
                             field.choices->label(position).toStdString());
                FormatRecords records = startRecords();
                field.set(records, position);
                const QVector<int> offered = formats::offeredPositions(format.index, records, field);
                const QString refused = formats::refusedChoice(format.index, records);
                EXPECT_EQ(refused.isEmpty(), offered.contains(position)) << refused.toStdString();
                if (refused.isEmpty())
                    continue;
                ++refusals;
                EXPECT_TRUE(refused.startsWith(format.recordName)) << refused.toStdString();
                EXPECT_TRUE(refused.contains(field.choices->label(position))) << refused.toStdString();
                EXPECT_TRUE(refused.contains(QStringLiteral("Same as input"))) << refused.toStdString();
                const FormatLimits limits = formats::limitsFor(format.index, records);
                const int instead = formats::shownPosition(offered, field, limits, position);
                ASSERT_TRUE(offered.contains(instead));
                EXPECT_TRUE(refused.contains(field.choices->label(instead))) << refused.toStdString();
                field.set(records, instead);
                EXPECT_EQ(formats::refusedChoice(format.index, records), QString());
            }
        }
    }
    // MP3 and AAC refuse some of the seed's rates; the formats that take
    // any rate refuse none.
    EXPECT_EQ(refusals, 5 + 2); // 6000, 64000, 88200, 96000, 192000 Hz; AAC 6000, 192000 Hz
}

TEST(ChoiceLimits, MP3AboveFortyEightKilohertzIsRefusedInPlainWords)
{
    FormatRecords records = startRecords();
    const OptionField &rate = rateOf(RecordKind::MP3);
    rate.set(records, positionOf(rate, "96000"));
    EXPECT_EQ(formats::refusedChoice(kMP3, records),
              "MP3 cannot be written at a sample rate of 96000 Hz. It takes 8000, 11025, 16000, 22050, 32000, "
              "44100, 48000 Hz or Same as input.");
    // The dialog shows what the encoder would take instead: the nearest rate.
    const QVector<int> offered = formats::offeredPositions(kMP3, records, rate);
    const FormatLimits limits = formats::limitsFor(kMP3, records);
    for (const auto &[stored, shown] : {std::pair{"96000", "48000"},
                                        {"192000", "48000"},
                                        {"6000", "8000"},
                                        {"64000", "48000"},
                                        {"22050", "22050"},
                                        {"Same as input", "Same as input"}})
        EXPECT_EQ(rate.choices->label(formats::shownPosition(offered, rate, limits, positionOf(rate, stored))), shown)
            << stored;
}

TEST(ChoiceLimits, M4ARatesFollowTheCodec)
{
    FormatRecords records = startRecords();
    const OptionField &rate = rateOf(RecordKind::M4A);
    rate.set(records, positionOf(rate, "192000"));
    EXPECT_TRUE(formats::refusedChoice(kM4A, records)
                    .startsWith("M4A (AAC) cannot be written at a sample rate of 192000 Hz. It takes 8000, "))
        << formats::refusedChoice(kM4A, records).toStdString();
    records.m_AF_M4A.setI_Codec(1); // Apple Lossless takes it
    EXPECT_EQ(formats::refusedChoice(kM4A, records), QString());
    EXPECT_EQ(formats::offeredPositions(kM4A, records, rate).size(), rate.choices->size());
}

TEST(ChoiceLimits, StartValuesCommandLineDefaultsAndBuiltInPresetsAreTaken)
{
    for (const OutputFormat &format : formats::all()) {
        EXPECT_EQ(formats::refusedChoice(format.index, startRecords()), QString()) << format.item.toStdString();
        EXPECT_EQ(formats::refusedChoice(format.index, commandLineRecords()), QString()) << format.item.toStdString();
    }
    for (const Preset &preset : presets::builtIn()) {
        const UsablePreset usable = presets::usable(preset);
        ASSERT_TRUE(usable.ok()) << preset.name.toStdString();
        for (const FormatRecords &startValues : {startRecords(), commandLineRecords()}) {
            PresetSettings settings;
            presets::apply(usable, settings, startValues);
            EXPECT_EQ(formats::refusedChoice(settings.formatIndex, settings.records), QString())
                << preset.name.toStdString();
        }
    }
}

// The plan refuses it too, for whichever front end plans: every entry to
// encode fails with the words, so nothing runs.
TEST(ChoiceLimits, ThePlanFailsEveryEntryToEncode)
{
    SettingsSnapshot settings;
    settings.formatIndex = kMP3;
    const OptionField &rate = rateOf(RecordKind::MP3);
    rate.set(settings.records, positionOf(rate, "88200"));
    NodeVideoFile a;
    a.setS_File_Path(QStringLiteral("/in/a.wav"));
    a.setS_File_Name_Without_Extension(QStringLiteral("a"));
    a.setS_File_Extension(QStringLiteral("wav"));
    NodeVideoFile b = a;
    b.setS_File_Path(QStringLiteral("/in/b.wav"));
    b.setS_File_Name_Without_Extension(QStringLiteral("b"));
    PlanWorld world;
    world.exists = [](const QString &) { return false; };
    world.canonical = [](const QString &path) { return path; };
    const RunPlan plan = runplan::make(settings, runplan::inputsFrom({a, b}), QStringLiteral("/out"), 1, world);
    ASSERT_EQ(plan.entries.size(), 2);
    for (const EntryPlan &entry : plan.entries) {
        EXPECT_EQ(entry.action, PlanAction::Fail);
        EXPECT_EQ(entry.problem, formats::refusedChoice(kMP3, settings.records));
    }
    rate.set(settings.records, positionOf(rate, "48000"));
    EXPECT_EQ(runplan::make(settings, runplan::inputsFrom({a, b}), QStringLiteral("/out"), 1, world).entries.at(0).action,
              PlanAction::Convert);
}

} // namespace quavero
