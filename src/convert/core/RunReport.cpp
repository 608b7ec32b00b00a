// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/RunReport.h"

#include <QCoreApplication>
#include <QLocale>

namespace quavero {

namespace runreport {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(RunReport)
};

// The lines that name each renamed entry, after a blank line; "" for none.
QString renamedLines(const QList<RenamedEntry> &renamed)
{
    if (renamed.isEmpty())
        return QString();
    QStringList lines{QString(), QString(),
                      Text::tr("Saved under another name, because another file of this run has the "
                               "same name:")};
    for (const RenamedEntry &r : renamed)
        lines << Text::tr("%1: saved as %2").arg(r.fileName, r.savedAs);
    return lines.join(QLatin1Char('\n'));
}

// One line for each warning of a converted entry, after a blank line; "" for none.
QString warningLines(const QList<ConvertedWithWarning> &warnings)
{
    QStringList lines{QString()};
    for (const ConvertedWithWarning &w : warnings)
        lines << Text::tr("%1: converted; %2").arg(w.fileName, w.warning);
    return warnings.isEmpty() ? QString() : QLatin1Char('\n') + lines.join(QLatin1Char('\n'));
}
} // namespace

RunAlert endOfRun(int entryCount, const QList<FailedEntry> &failures, const QList<RenamedEntry> &renamed,
                  const QList<ConvertedWithWarning> &warnings)
{
    const QString openFolder = Text::tr("Open Output Folder");
    const QString close = Text::tr("Close");
    RunAlert alert;
    if (failures.isEmpty()) {
        alert.message = Text::tr("Success");
        alert.informative = Text::tr("Audio files were converted successfully.");
        alert.buttons = QStringList{openFolder, close};
        alert.openFolderButton = 0;
        alert.informative += renamedLines(renamed) + warningLines(warnings);
        return alert;
    }
    const int failed = int(failures.size());
    alert.message = failed == 1 ? Text::tr("1 of %1 files could not be converted.").arg(entryCount)
                                : Text::tr("%1 of %2 files could not be converted.").arg(failed).arg(entryCount);
    if (entryCount == 1)
        alert.message = Text::tr("The file could not be converted.");
    QStringList lines;
    for (const FailedEntry &f : failures)
        lines << QStringLiteral("%1: %2").arg(f.fileName, f.reason);
    lines << QString() << Text::tr("Check these files and the format options, then convert them again.");
    alert.informative = lines.join(QLatin1Char('\n')) + renamedLines(renamed) + warningLines(warnings);
    if (failed < entryCount) {
        alert.buttons = QStringList{openFolder, close};
        alert.openFolderButton = 0;
    } else {
        alert.buttons = QStringList{close};
    }
    return alert;
}

RunAlert endOfRun(const RunOutcome &run)
{
    RunAlert alert =
        endOfRun(int(run.entries.size()), outcome::unconverted(run), outcome::renamed(run), outcome::warnings(run));
    if (run.allUpToDate()) {
        alert.message = Text::tr("Everything is up to date");
        alert.informative = Text::tr("All %1 files were converted before and have not changed since.")
                                .arg(QLocale().toString(int(run.entries.size())));
    } else if (run.count(EntryFate::UpToDate) + run.count(EntryFate::Copied) + run.count(EntryFate::Removed) > 0) {
        // A library kept in step: what the run did besides converting.
        alert.informative += QStringLiteral("\n\n") + outcome::countsText(run) + QLatin1Char('.');
    }
    const QList<ConvertedWithWarning> named = outcome::namedAfterInput(run);
    if (!named.isEmpty())
        alert.informative += QLatin1Char('\n');
    for (const ConvertedWithWarning &n : named)
        alert.informative += QLatin1Char('\n') + QStringLiteral("%1: %2").arg(n.fileName, n.warning);
    for (const QString &path : outcome::removed(run))
        alert.informative += QLatin1Char('\n') + Text::tr("Removed, because its original is gone: %1").arg(path);
    if (!run.notes.isEmpty())
        alert.informative += QStringLiteral("\n\n") + run.notes.join(QLatin1Char('\n'));
    alert.details = details::text(outcome::details(run, true, true));
    return alert;
}
} // namespace runreport

} // namespace quavero
