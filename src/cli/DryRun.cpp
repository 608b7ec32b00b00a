// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DryRun.h"

#include "cli/ShownPath.h"
#include "convert/core/ShellQuote.h"
#include "convert/core/EffectsArguments.h"
#include "convert/core/EncoderCommand.h"
#include "convert/core/OutputSafety.h"
#include "cli/RunFiles.h"
#include "platform/core/FileSystem.h"

namespace quavero {

namespace cli {
DryRunLines dryRun(int formatIndex, const FormatRecords &records, const QList<InputFile> &files,
                   const QString &destinationFolder, const QString &workFolder, const QString &ffmpegPath,
                   const QString &soxPath, bool keepStructure)
{
    const QList<RunEntry> outputs = runEntriesFor(files, destinationFolder, formatIndex, keepStructure);
    QStringList inputPaths;
    for (const InputFile &file : files)
        inputPaths << file.entry.s_File_Path();

    DryRunLines lines;
    for (int i = 0; i < files.size(); ++i) {
        const InputFile &file = files.at(i);
        const QString shown = shownPath(file.entry.s_File_Path());
        if (!file.problem.isEmpty()) {
            lines.problems << QStringLiteral("%1: %2").arg(shown, file.problem);
            continue;
        }
        const EncoderCommand command =
            encoder::build(formatIndex, file.entry, destinationFolder, workFolder, records, outputs.at(i).output);
        if (safety::outputReplacesInput(command, inputPaths, [](const QString &p) { return fs::canonicalPath(p); })) {
            lines.problems << QStringLiteral("%1: %2").arg(shown, safety::replacesInputReason());
            continue;
        }
        lines.commands << shell::commandLine(ffmpegPath, command.arguments);
        if (command.effects)
            lines.commands << shell::commandLine(soxPath, effects::arguments(command.ffmpegOutputPath, command.finalPath,
                                                                             effects::valuesFor(formatIndex, records)));
    }
    return lines;
}
} // namespace cli

} // namespace quavero
