// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core/CommandLineFiles.h"

#include "filelist/core/AcceptedFiles.h"
#include "formats/core/FormatTable.h"

namespace quavero {

CommandLineFiles sortCommandLineFiles(const QStringList &arguments, bool (*exists)(const QString &),
                                      bool (*isFolder)(const QString &))
{
    CommandLineFiles result;
    bool optionsEnded = false;
    for (const QString &argument : arguments) {
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && argument.startsWith(QLatin1Char('-')))
            continue;
        if (!exists(argument)) {
            result.skipped << QStringLiteral("Skipped %1: no such file or folder.").arg(argument);
        } else if (isFolder(argument) || filelist::isAcceptedFile(argument)) {
            result.toAdd << argument;
        } else {
            result.skipped << QStringLiteral("Skipped %1: not an audio file Quavero converts (accepted: %2).")
                                  .arg(argument, formats::acceptedExtensions().join(QStringLiteral(", ")));
        }
    }
    return result;
}

} // namespace quavero
