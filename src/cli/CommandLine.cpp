// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include "cli/CliText.h"
#include "cli/LineSettings.h"
#include "cli/OptionTable.h"
#include "formats/core/FormatTable.h"
#include "loudness/core/Normalize.h"
#include "naming/core/NameTemplate.h"
#include "presets/core/BuiltinPresets.h"

namespace quavero {

namespace cli {
namespace {
using optiontable::byLong;
using optiontable::byShort;
using optiontable::Opt;
using optiontable::OptionDef;
using optiontable::spelling;

constexpr int kMaxJobs = 256;

// Collects what the words say; the checks that need the whole line (the
// format of a --set, the required folder) come after.
class Reader {
public:
    explicit Reader(const QList<Preset> &presets) : m_presets(presets) {}

    Request request;
    QString error;
    QStringList warnings;
    LineChoices line;
    QString saveName; // --save-preset NAME
    bool sawAction = false;
    QSet<QString> given; // the long names of the options given

    void read(const QStringList &args)
    {
        for (int i = 0; i < args.size() && error.isEmpty(); ++i) {
            const QString &word = args.at(i);
            if (word == QLatin1String("--")) {
                request.inputs << args.mid(i + 1);
                return;
            }
            if (word.startsWith(QLatin1String("--")))
                readLong(word.mid(2), args, i);
            else if (word.startsWith(QLatin1Char('-')) && word.size() > 1)
                readShortGroup(word.mid(1), args, i);
            else
                request.inputs << word;
        }
    }

private:
    const QList<Preset> &m_presets;

    void readLong(const QString &body, const QStringList &args, int &i)
    {
        const int eq = body.indexOf(QLatin1Char('='));
        const QString name = eq < 0 ? body : body.left(eq);
        const OptionDef *s = byLong(name);
        if (!s) {
            error = Text::tr("unknown option '--%1'").arg(name);
            return;
        }
        if (!s->takesValue) {
            if (eq >= 0)
                error = Text::tr("--%1 takes no value").arg(name);
            else
                take(*s, QString());
            return;
        }
        if (eq >= 0)
            take(*s, body.mid(eq + 1));
        else if (i + 1 < args.size())
            take(*s, args.at(++i));
        else
            error = Text::tr("%1 needs a value").arg(spelling(*s));
    }

    // "-rnq", "-j4", "-f mp3", "-rf mp3".
    void readShortGroup(const QString &group, const QStringList &args, int &i)
    {
        for (int k = 0; k < group.size() && error.isEmpty(); ++k) {
            const OptionDef *s = byShort(group.at(k));
            if (!s) {
                error = Text::tr("unknown option '-%1'").arg(group.at(k));
                return;
            }
            if (!s->takesValue) {
                take(*s, QString());
                continue;
            }
            if (k + 1 < group.size())
                take(*s, group.mid(k + 1));
            else if (i + 1 < args.size())
                take(*s, args.at(++i));
            else
                error = Text::tr("%1 needs a value").arg(spelling(*s));
            return;
        }
    }

    void take(const OptionDef &s, const QString &value)
    {
        given.insert(s.longName);
        switch (s.opt) {
        case Opt::Format:
            line.formatText = value;
            break;
        case Opt::OutputFolder:
            if (value.isEmpty())
                error = Text::tr("-o/--output-dir needs a folder");
            request.outputFolder = value;
            break;
        case Opt::Set: {
            const int eq = value.indexOf(QLatin1Char('='));
            if (eq <= 0) {
                error = Text::tr("--set takes NAME=VALUE (for example --set quality=2), not '%1'").arg(value);
                return;
            }
            line.settings.append({value.left(eq).trimmed(), value.mid(eq + 1)});
            break;
        }
        case Opt::Name: {
            const naming::ParsedTemplate parsed = naming::parseTemplate(value);
            if (!parsed.ok())
                error = QStringLiteral("--name: ") + parsed.error;
            request.nameTemplate = value;
            line.templateGiven = true;
            break;
        }
        case Opt::Preset:
            error = usePreset(m_presets, value, line, request, warnings);
            break;
        case Opt::SavePreset:
            saveName = value;
            action(Request::Action::SavePreset);
            break;
        case Opt::Jobs: {
            bool ok = false;
            const int n = value.trimmed().toInt(&ok);
            if (!ok || n < 1 || n > kMaxJobs)
                error = Text::tr("-j/--jobs takes a whole number from 1 to %1, not '%2'").arg(kMaxJobs).arg(value);
            request.jobs = n;
            break;
        }
        case Opt::Recursive:
            request.recursive = true;
            break;
        case Opt::Flat:
            request.flat = true;
            line.foldersGiven = true;
            break;
        case Opt::DryRun:
            request.dryRun = true;
            break;
        case Opt::Verbose:
            request.verbose = true;
            break;
        case Opt::Quiet:
            request.quiet = true;
            break;
        case Opt::NoTags:
            request.copyTags = false;
            line.tagsGiven = true;
            break;
        case Opt::Update:
            request.update = true;
            break;
        case Opt::DeleteOrphans:
            request.deleteOrphans = true;
            break;
        case Opt::CopySameFormat:
            request.copySameFormat = true;
            break;
        case Opt::ReplayGain:
            if (const auto mode = loudness::modeFromName(value))
                request.loudness.tags = *mode;
            else
                error = Text::tr("--replaygain takes track or album (or none), not '%1'").arg(value);
            break;
        case Opt::Normalize:
            if (const auto target = loudness::targetFromText(value)) {
                request.loudness.normalize = true;
                request.loudness.targetLufs = *target;
            } else {
                error = Text::tr("--normalize takes a loudness in LUFS from %1 to %2 (for example -16), not '%3'")
                            .arg(loudness::kLowestTarget)
                            .arg(loudness::kHighestTarget)
                            .arg(value);
            }
            break;
        case Opt::ListFormats:
            action(Request::Action::ListFormats);
            break;
        case Opt::ListPresets:
            action(Request::Action::ListPresets);
            break;
        case Opt::Help:
            action(Request::Action::Help);
            break;
        case Opt::Version:
            action(Request::Action::Version);
            break;
        case Opt::Job:
            error = readJobOption(s.longName, value, request.job);
            break;
        }
    }

    // The first of --help, --version, --list-formats, --list-presets and
    // --save-preset decides.
    void action(Request::Action a)
    {
        if (!sawAction)
            request.action = a;
        sawAction = true;
    }
};

} // namespace

QStringList formatNames()
{
    // A format is named by its combo-box item without the dot, in lower case.
    QStringList names;
    for (const OutputFormat &format : formats::all())
        names << format.item.mid(1).toLower();
    return names;
}

ParsedCommandLine parseCommandLine(const QStringList &arguments)
{
    return parseCommandLine(arguments, presets::builtIn());
}

ParsedCommandLine parseCommandLine(const QStringList &arguments, const QList<Preset> &presets)
{
    Reader reader(presets);
    reader.read(arguments);
    ParsedCommandLine parsed;
    parsed.request = reader.request;
    parsed.warnings = reader.warnings;
    Request &r = parsed.request;
    // Saving a preset checks the line as a conversion would; the other
    // actions ignore the rest of it.
    const bool saving = r.action == Request::Action::SavePreset;
    if (reader.sawAction && !saving)
        return parsed;
    if (!reader.error.isEmpty()) {
        parsed.error = reader.error;
        return parsed;
    }
    // A list to run or report on holds the format, options and files.
    parsed.error = checkJobLine(r.job, reader.given, !r.inputs.isEmpty());
    if (!parsed.ok() || (r.job.mode != JobRequest::Mode::None && r.job.mode != JobRequest::Mode::Plan))
        return parsed;
    r.formatIndex = formats::indexFromName(reader.line.formatText);
    if (r.formatIndex < 0) {
        parsed.error = Text::tr("unknown format '%1'; the formats are: %2")
                           .arg(reader.line.formatText, formatNames().join(QLatin1String(", ")));
        return parsed;
    }
    parsed.error = applySettings(r, reader.line, parsed.warnings);
    if (!parsed.ok())
        return parsed;
    if (saving)
        r.presetToSave = presetFromLine(reader.saveName, r, reader.line);
    else if (r.outputFolder.isEmpty())
        parsed.error = Text::tr("no output folder: name one with -o DIR");
    else if (r.inputs.isEmpty())
        parsed.error = Text::tr("nothing to convert: name at least one audio file or folder");
    return parsed;
}
} // namespace cli

} // namespace quavero
