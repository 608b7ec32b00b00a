// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PresetCommands.h"

#include "cli/CliText.h"
#include "cli/ExitStatus.h"
#include "cli/Printing.h"
#include "presets/core/PresetUse.h"

#include <cstdio>

namespace quavero {

namespace cli {
namespace {
QString entry(const Preset &preset)
{
    return QStringLiteral("  %1\n      %2\n").arg(preset.name, presets::description(preset));
}
} // namespace

QString presetListing(const PresetList &list)
{
    QString builtIn;
    QString saved;
    for (const Preset &p : list.presets)
        (p.builtIn ? builtIn : saved) += entry(p);
    QString out = Text::tr("Built-in presets:\n") + builtIn + Text::tr("\nSaved presets:\n");
    out += saved.isEmpty() ? Text::tr("  none yet: save one with --save-preset NAME\n") : saved;
    return out;
}

int savePreset(PresetStore &store, const Request &request)
{
    const Preset &preset = request.presetToSave;
    const PresetStore::Outcome outcome = store.save(preset);
    if (outcome != PresetStore::Outcome::Done && outcome != PresetStore::Outcome::Replaced) {
        print(stderr, QStringLiteral("quavero-cli: %1\n").arg(PresetStore::problem(outcome, preset.name)));
        return int(ExitStatus::UsageError);
    }
    const QString said = outcome == PresetStore::Outcome::Replaced ? Text::tr("Replaced the preset '%1': %2\n")
                                                                   : Text::tr("Saved the preset '%1': %2\n");
    QString text = said.arg(preset.name.trimmed(), presets::description(preset));
    if (!request.inputs.isEmpty())
        text += Text::tr("Nothing was converted; use it with --preset \"%1\".\n").arg(preset.name.trimmed());
    print(stdout, text);
    return int(ExitStatus::Converted);
}
} // namespace cli

} // namespace quavero
