#include "cli/Summary.h"

#include <QCoreApplication>
#include <csignal>

namespace cli {
QString summaryText(const BatchOutcome &outcome)
{
    QString text = QStringLiteral("%1 converted, %2 failed").arg(outcome.converted).arg(outcome.failed);
    if (outcome.stopSignal != 0)
        text += QStringLiteral(", %1 not converted (stopped by %2)")
                    .arg(outcome.notConverted)
                    .arg(outcome.stopSignal == SIGINT ? QStringLiteral("Ctrl-C") : QStringLiteral("SIGTERM"));
    else if (outcome.diskFull)
        text += QCoreApplication::translate("Summary", ", %1 not converted (the disk is full)").arg(outcome.notConverted);
    text += QLatin1Char('\n');
    for (const BatchFailure &failure : outcome.failures)
        text += QStringLiteral("failed: %1: %2\n").arg(failure.path, failure.reason);
    for (const QString &path : outcome.notConvertedPaths)
        text += QCoreApplication::translate("Summary", "not converted: %1\n").arg(path);
    for (const BatchRenamed &r : outcome.renamed)
        text += QCoreApplication::translate("Summary", "renamed: %1: saved as %2\n").arg(r.path, r.savedAs);
    return text;
}
} // namespace cli
