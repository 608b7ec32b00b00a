// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// --dry-run: the ffmpeg and sox commands a conversion would run, one per
// line, each quoted for a POSIX shell, with the output names and subfolders
// the conversion would use. Nothing is converted, deleted or created (but the
// private temporary folder the sox input lives in).
#include <QList>
#include <QString>
#include <QStringList>

#include "cli/InputFiles.h"
#include "formats/core/Records.h"

namespace quavero {

namespace cli {
struct DryRunLines {
    QStringList commands; // for standard output
    QStringList problems; // "<file>: <why it would fail>", for standard error
};

DryRunLines dryRun(int formatIndex, const FormatRecords &records, const QList<InputFile> &files,
                   const QString &destinationFolder, const QString &workFolder, const QString &ffmpegPath,
                   const QString &soxPath, bool keepStructure);
} // namespace cli

} // namespace quavero
