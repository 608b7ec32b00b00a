// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A preset: a name for an output format, its options (the effects among
// them), the output-name template and the run settings. Options and settings
// are kept by name with their values as text ("quality" = "2"), never by
// position alone, so that a preset written by another version of the program
// still means the same, and one that names an option this version lacks
// loads without it. Pure.
#include <QString>
#include <QVector>
#include <optional>

#include "formats/core/FormatTable.h"
#include "formats/core/Records.h"

namespace quavero {

struct NamedValue {
    QString name;
    QString value;
    bool operator==(const NamedValue &o) const { return name == o.name && value == o.value; }
};

struct Preset {
    QString name;
    QString format;                      // the format's command-line name: "mp3"
    QVector<NamedValue> options;         // the options it sets; the others keep their start values
    std::optional<QString> nameTemplate; // "" names each output after its input; unset keeps the naming as it is
    QVector<NamedValue> run;             // run settings by name (PresetSettings.h); unset ones stay as they are
    bool builtIn = false;
};

// What a preset sets, as the window and quavero-cli hold it.
struct PresetSettings {
    int formatIndex = formats::kDefaultIndex;
    FormatRecords records = startRecords(); // every format's options
    QString nameTemplate;                   // "" : each output named after its input
    bool copyTags = true;
    bool keepStructure = true; // outputs in their inputs' subfolders below the destination
};

} // namespace quavero
