// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Summary.h"

#include "cli/CliText.h"

#include <csignal>

namespace quavero {

namespace cli {
QString summaryText(const BatchOutcome &outcome)
{
    QString text = Text::tr("%1 converted, %2 failed").arg(outcome.converted).arg(outcome.failed);
    if (outcome.stopSignal != 0)
        text += Text::tr(", %1 not converted (stopped by %2)")
                    .arg(outcome.notConverted)
                    .arg(outcome.stopSignal == SIGINT   ? QStringLiteral("Ctrl-C")
                         : outcome.stopSignal == SIGHUP ? QStringLiteral("SIGHUP")
                                                        : QStringLiteral("SIGTERM"));
    else if (outcome.diskFull)
        text += Text::tr(", %1 not converted (the disk is full)").arg(outcome.notConverted);
    text += QLatin1Char('\n');
    for (const BatchFailure &failure : outcome.failures)
        text += Text::tr("failed: %1: %2\n").arg(failure.path, failure.reason);
    for (const QString &path : outcome.notConvertedPaths)
        text += Text::tr("not converted: %1\n").arg(path);
    for (const BatchRenamed &r : outcome.renamed)
        text += Text::tr("renamed: %1: saved as %2\n").arg(r.path, r.savedAs);
    for (const BatchWarning &warning : outcome.warnings)
        text += Text::tr("warning: %1: converted; %2\n").arg(warning.path, warning.warning);
    return text;
}
} // namespace cli

} // namespace quavero
