// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/OptionTable.h"

namespace quavero {

namespace cli {
namespace optiontable {
const QVector<OptionDef> &knownOptions()
{
    static const QVector<OptionDef> s{
        {Opt::Format, QLatin1Char('f'), QStringLiteral("format"), true},
        {Opt::OutputFolder, QLatin1Char('o'), QStringLiteral("output-dir"), true},
        {Opt::Set, QChar(), QStringLiteral("set"), true},
        {Opt::Name, QChar(), QStringLiteral("name"), true},
        {Opt::Preset, QChar(), QStringLiteral("preset"), true},
        {Opt::SavePreset, QChar(), QStringLiteral("save-preset"), true},
        {Opt::Jobs, QLatin1Char('j'), QStringLiteral("jobs"), true},
        {Opt::Recursive, QLatin1Char('r'), QStringLiteral("recursive"), false},
        {Opt::Flat, QChar(), QStringLiteral("flat"), false},
        {Opt::DryRun, QLatin1Char('n'), QStringLiteral("dry-run"), false},
        {Opt::Quiet, QLatin1Char('q'), QStringLiteral("quiet"), false},
        {Opt::Verbose, QLatin1Char('v'), QStringLiteral("verbose"), false},
        {Opt::NoTags, QChar(), QStringLiteral("no-tags"), false},
        {Opt::Update, QLatin1Char('u'), QStringLiteral("update"), false},
        {Opt::DeleteOrphans, QChar(), QStringLiteral("delete-orphans"), false},
        {Opt::CopySameFormat, QChar(), QStringLiteral("copy-same-format"), false},
        {Opt::ReplayGain, QChar(), QStringLiteral("replaygain"), true},
        // Its value may be negative ("--normalize -16"): the word after it is
        // taken as the value whatever it begins with.
        {Opt::Normalize, QChar(), QStringLiteral("normalize"), true},
        {Opt::ListFormats, QChar(), QStringLiteral("list-formats"), false},
        {Opt::ListPresets, QChar(), QStringLiteral("list-presets"), false},
        {Opt::Help, QLatin1Char('h'), QStringLiteral("help"), false},
        {Opt::Version, QChar(), QStringLiteral("version"), false},
        {Opt::Job, QChar(), QStringLiteral("plan"), true},
        {Opt::Job, QChar(), QStringLiteral("from-plan"), true},
        {Opt::Job, QChar(), QStringLiteral("index"), true},
        {Opt::Job, QChar(), QStringLiteral("chunk"), true},
        {Opt::Job, QChar(), QStringLiteral("in-root"), true},
        {Opt::Job, QChar(), QStringLiteral("out-root"), true},
        {Opt::Job, QChar(), QStringLiteral("report"), true},
        {Opt::Job, QChar(), QStringLiteral("failed"), false},
        {Opt::Job, QChar(), QStringLiteral("list-jobs"), true},
    };
    return s;
}

const OptionDef *byShort(QChar c)
{
    for (const OptionDef &s : knownOptions())
        if (!s.shortName.isNull() && s.shortName == c)
            return &s;
    return nullptr;
}

const OptionDef *byLong(const QString &name)
{
    for (const OptionDef &s : knownOptions())
        if (s.longName == name)
            return &s;
    return nullptr;
}

QString spelling(const OptionDef &s)
{
    return s.shortName.isNull() ? QStringLiteral("--") + s.longName
                                : QStringLiteral("-%1/--%2").arg(s.shortName, s.longName);
}
} // namespace optiontable
} // namespace cli

} // namespace quavero
