// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/RunOutcome.h"

#include <QCoreApplication>
#include <QLocale>

namespace quavero {

int RunOutcome::count(EntryFate fate) const
{
    int n = 0;
    for (const EntryOutcome &entry : entries)
        n += entry.fate == fate ? 1 : 0;
    return n;
}

bool RunOutcome::allUpToDate() const { return !entries.isEmpty() && count(EntryFate::UpToDate) == int(entries.size()); }

namespace outcome {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(RunOutcome)
};

QString number(int n) { return QLocale().toString(n); }

bool isLeft(const EntryOutcome &entry) { return entry.fate == EntryFate::NotConverted && entry.leftByFullDisk; }
} // namespace

QList<FailedEntry> unconverted(const RunOutcome &run)
{
    QList<FailedEntry> list;
    for (const EntryOutcome &entry : run.entries)
        if (entry.fate == EntryFate::Failed || isLeft(entry))
            list.append({entry.name, entry.reason});
    return list;
}

QList<FailedEntry> failed(const RunOutcome &run)
{
    QList<FailedEntry> list;
    for (const EntryOutcome &entry : run.entries)
        if (entry.fate == EntryFate::Failed)
            list.append({entry.name, entry.reason});
    return list;
}

QStringList leftByFullDisk(const RunOutcome &run)
{
    QStringList names;
    for (const EntryOutcome &entry : run.entries)
        if (isLeft(entry))
            names << entry.name;
    return names;
}

QList<RenamedEntry> renamed(const RunOutcome &run)
{
    QList<RenamedEntry> list;
    for (const EntryOutcome &entry : run.entries)
        if (entry.renamed)
            list.append({entry.name, entry.savedAs});
    return list;
}

QList<ConvertedWithWarning> warnings(const RunOutcome &run)
{
    QList<ConvertedWithWarning> list;
    for (const EntryOutcome &entry : run.entries)
        if (entry.fate == EntryFate::Converted)
            for (const QString &warning : entry.warnings)
                list.append({entry.name, warning});
    return list;
}

QList<ConvertedWithWarning> namedAfterInput(const RunOutcome &run)
{
    QList<ConvertedWithWarning> list;
    for (const EntryOutcome &entry : run.entries)
        if ((entry.fate == EntryFate::Converted || entry.fate == EntryFate::Copied) && !entry.namingNote.isEmpty())
            list.append({entry.name, entry.namingNote});
    return list;
}

QStringList removed(const RunOutcome &run)
{
    QStringList names;
    for (const EntryOutcome &entry : run.entries)
        if (entry.fate == EntryFate::Removed)
            names << entry.savedAs;
    return names;
}

QString countsText(const RunOutcome &run)
{
    QStringList parts{Text::tr("%1 converted").arg(number(run.count(EntryFate::Converted)))};
    if (const int n = run.count(EntryFate::UpToDate))
        parts << Text::tr("%1 up to date").arg(number(n));
    if (const int n = run.count(EntryFate::Copied))
        parts << Text::tr("%1 copied").arg(number(n));
    if (const int n = run.count(EntryFate::Removed))
        parts << Text::tr("%1 removed").arg(number(n));
    parts << Text::tr("%1 failed").arg(number(run.count(EntryFate::Failed)));
    return parts.join(QStringLiteral(", "));
}

QList<EntryDetails> details(const RunOutcome &run, bool withLeft, bool withRenamed)
{
    QList<EntryDetails> list;
    for (const EntryOutcome &entry : run.entries) {
        const bool wanted =
            entry.fate == EntryFate::Failed || (withLeft && isLeft(entry)) || (withRenamed && entry.renamed);
        if (wanted)
            list.append(entry.details);
    }
    return list;
}
} // namespace outcome

} // namespace quavero
