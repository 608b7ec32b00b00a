// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// quavero-cli's options: each one's short and long spelling and whether it
// takes a value, looked up by either spelling. Pure.
#include <QChar>
#include <QString>
#include <QVector>

namespace quavero {

namespace cli {
namespace optiontable {
enum class Opt {
    Format,
    OutputFolder,
    Set,
    Name,
    Preset,
    SavePreset,
    Jobs,
    Recursive,
    Flat,
    DryRun,
    Quiet,
    Verbose,
    NoTags,
    Update,
    DeleteOrphans,
    CopySameFormat,
    ReplayGain,
    Normalize,
    ListFormats,
    ListPresets,
    Help,
    Version,
    Job, // the job list's options, read by readJobOption
};

struct OptionDef {
    Opt opt;
    QChar shortName; // null when there is none
    QString longName;
    bool takesValue;
};

// Every option quavero-cli knows.
const QVector<OptionDef> &knownOptions();
// The option spelled -c or --name; nullptr when there is none.
const OptionDef *byShort(QChar c);
const OptionDef *byLong(const QString &name);
// "-f/--format" or "--set", as messages name an option.
QString spelling(const OptionDef &s);
} // namespace optiontable
} // namespace cli

} // namespace quavero
