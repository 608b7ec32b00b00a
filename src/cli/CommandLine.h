// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of quavero-cli, read into a request. Pure: it looks at no
// file and starts nothing, so every mistake is found before any work begins.
#include <QString>
#include <QStringList>

#include "cli/JobRequest.h"
#include "formats/core/FormatTable.h"
#include "formats/core/Records.h"
#include "loudness/core/LoudnessSettings.h"
#include "presets/core/Preset.h"

namespace quavero {

namespace cli {
struct Request {
    enum class Action { Convert, Help, Version, ListFormats, ListPresets, SavePreset };
    Action action = Action::Convert;
    int formatIndex = formats::kDefaultIndex;
    QString outputFolder;
    QStringList inputs; // files and folders, as given
    bool recursive = false;
    bool flat = false; // every output straight into the output folder, subfolders not kept
    bool dryRun = false;
    bool quiet = false;
    bool verbose = false;                         // each failure with its commands and the end of their output
    bool copyTags = true;                         // --no-tags turns it off
    bool update = false;                          // -u: outputs that are up to date are kept, not converted again
    bool deleteOrphans = false;                   // outputs the record lists whose input is gone are removed
    bool copySameFormat = false;                  // inputs already in the output format are copied
    LoudnessSettings loudness;                    // --replaygain and --normalize
    int jobs = 0;                                 // 0: one per processor
    FormatRecords records = commandLineRecords(); // the chosen format's record holds the --set values
    QString nameTemplate; // --name or the preset's, checked to be a usable template; "" names outputs after inputs
    QString presetName;   // the preset --preset named, as its list spells it; "" for none
    Preset presetToSave;  // SavePreset: the format and what the line set
    JobRequest job;       // a job list to write, run from, or report on
};

struct ParsedCommandLine {
    Request request;
    QString error;        // empty when the command line is usable
    QStringList warnings; // what was left out of a preset, and why
    bool ok() const { return error.isEmpty(); }
};

// arguments: the command line without the program name; presets: the
// presets --preset can name (the built-in ones when not given).
ParsedCommandLine parseCommandLine(const QStringList &arguments);
ParsedCommandLine parseCommandLine(const QStringList &arguments, const QList<Preset> &presets);

// The format names the command line takes: "ac3", "aifc", ... "m4a", "opus".
QStringList formatNames();
} // namespace cli

} // namespace quavero
