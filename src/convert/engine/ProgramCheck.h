// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether the programs a conversion needs can run, and what to tell the user
// when one cannot.
#include <QString>
#include <QStringList>

#include "formats/core/Records.h"

namespace quavero {

struct MissingProgram {
    QString name;          // "ffmpeg", "sox"
    QString path;          // the path that was tried
    QString debianPackage; // the package that provides it
};

namespace programs {
// True when the program can be started and answers its version option
// ("-version" for ffmpeg, "--version" for sox) with exit status 0.
bool canRun(const QString &programPath, const QString &versionOption);

// The first program, of ffmpeg (always) and sox (when the effects stage
// follows for this format and these records), that cannot run. Empty name
// when both are fine.
MissingProgram firstMissing(qint64 formatIndex, const FormatRecords &records, const QString &ffmpegPath,
                            const QString &soxPath);

// The alert texts: "<name> cannot be run." and how to install it.
QString missingMessage(const MissingProgram &missing);
QString missingInformative(const MissingProgram &missing);
} // namespace programs

} // namespace quavero
