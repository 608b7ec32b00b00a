// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Summary.h"

#include "cli/CliText.h"

#include <csignal>

namespace quavero {

namespace cli {
QString summaryText(const RunOutcome &outcome)
{
    const int notConverted = outcome.count(EntryFate::NotConverted);
    QString text = outcome::countsText(outcome);
    if (outcome.stopSignal != 0)
        text += Text::tr(", %1 not converted (stopped by %2)")
                    .arg(notConverted)
                    .arg(outcome.stopSignal == SIGINT   ? QStringLiteral("Ctrl-C")
                         : outcome.stopSignal == SIGHUP ? QStringLiteral("SIGHUP")
                                                        : QStringLiteral("SIGTERM"));
    else if (outcome.diskFull)
        text += Text::tr(", %1 not converted (the disk is full)").arg(notConverted);
    text += QLatin1Char('\n');
    for (const FailedEntry &failure : outcome::failed(outcome))
        text += Text::tr("failed: %1: %2\n").arg(failure.fileName, failure.reason);
    if (outcome.stopSignal == 0)
        for (const QString &path : outcome::leftByFullDisk(outcome))
            text += Text::tr("not converted: %1\n").arg(path);
    for (const RenamedEntry &r : outcome::renamed(outcome))
        text += Text::tr("renamed: %1: saved as %2\n").arg(r.fileName, r.savedAs);
    for (const ConvertedWithWarning &warning : outcome::warnings(outcome))
        text += Text::tr("warning: %1: converted; %2\n").arg(warning.fileName, warning.warning);
    for (const ConvertedWithWarning &named : outcome::namedAfterInput(outcome))
        text += Text::tr("note: %1: %2\n").arg(named.fileName, named.warning);
    for (const QString &path : outcome::removed(outcome))
        text += Text::tr("removed: %1\n").arg(path);
    for (const QString &note : outcome.notes)
        text += Text::tr("warning: %1\n").arg(note);
    if (outcome.allUpToDate())
        text += Text::tr("Everything is up to date.\n");
    return text;
}

QString failureDetails(const RunOutcome &outcome) { return details::text(outcome::details(outcome, false, false)); }
} // namespace cli

} // namespace quavero
