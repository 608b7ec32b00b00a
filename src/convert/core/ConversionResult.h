// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What became of one entry of a run. Pure data.
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include "convert/core/EntryDetails.h"

namespace quavero {

struct ConversionResult {
    bool ok = false;
    QString reason;        // why it failed: a short text for the user; empty when ok
    QString finalPath;     // the file the entry was (or would have been) converted to
    QString rawMessage;    // the program's own words behind reason, for the details
    bool stopsRun = false; // no space left: every further entry would fail the same way
    // ffmpeg, then sox when it ran: the command lines and the end of their output.
    QList<ProgramOutput> programs;
    // What the user should read about an entry that was converted all the
    // same ("only 1.2 s of 5.0 s could be read…", "tags not copied: …").
    QStringList warnings;
};

} // namespace quavero

Q_DECLARE_METATYPE(quavero::ConversionResult)
