// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command line of quavero-cli, read into a request. Pure: it looks at no
// file and starts nothing, so every mistake is found before any work begins.
#include <QString>
#include <QStringList>

#include "formats/core/Records.h"

namespace quavero {

namespace cli {
struct Request {
    enum class Action { Convert, Help, Version, ListFormats };
    Action action = Action::Convert;
    int formatIndex = 8; // .MP3
    QString outputFolder;
    QStringList inputs; // files and folders, as given
    bool recursive = false;
    bool flat = false; // every output straight into the output folder, subfolders not kept
    bool dryRun = false;
    bool quiet = false;
    bool verbose = false;                   // each failure with its commands and the end of their output
    bool copyTags = true;                   // --no-tags turns it off
    int jobs = 0;                           // 0: one per processor
    FormatRecords records = startRecords(); // the chosen format's record holds the --set values
};

struct ParsedCommandLine {
    Request request;
    QString error; // empty when the command line is usable
    bool ok() const { return error.isEmpty(); }
};

// arguments: the command line without the program name.
ParsedCommandLine parseCommandLine(const QStringList &arguments);

// The format names the command line takes: "ac3", "aifc", ... "m4a".
QStringList formatNames();
} // namespace cli

} // namespace quavero
