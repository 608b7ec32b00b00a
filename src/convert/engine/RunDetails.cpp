// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/RunDetails.h"

#include "convert/engine/ConversionRun.h"

#include <QFileInfo>

namespace quavero {

namespace rundetails {
namespace {
QString fileName(const QString &path) { return QFileInfo(path).fileName(); }
} // namespace

QList<int> unconverted(const ConversionRun &run)
{
    QList<int> indexes;
    for (int i = 0; i < run.entryCount(); ++i) {
        const EntryState state = run.state(i);
        if (state == EntryState::Failed || (state == EntryState::NotConverted && run.stoppedByFullDisk()))
            indexes << i;
    }
    return indexes;
}

QList<int> renamed(const ConversionRun &run)
{
    QList<int> indexes;
    for (int i = 0; i < run.entryCount(); ++i)
        if (run.state(i) == EntryState::Converted && run.entry(i).renamed)
            indexes << i;
    return indexes;
}

QList<FailedEntry> failures(const ConversionRun &run)
{
    QList<FailedEntry> entries;
    for (int i : unconverted(run))
        entries.append({fileName(run.entry(i).entry.s_File_Path()), run.result(i).reason});
    return entries;
}

QList<RenamedEntry> renamedEntries(const ConversionRun &run)
{
    QList<RenamedEntry> entries;
    for (int i : renamed(run))
        entries.append({fileName(run.entry(i).entry.s_File_Path()), fileName(run.result(i).finalPath)});
    return entries;
}

QList<ConvertedWithWarning> warnings(const ConversionRun &run)
{
    QList<ConvertedWithWarning> entries;
    for (int i = 0; i < run.entryCount(); ++i)
        if (run.state(i) == EntryState::Converted)
            for (const QString &warning : run.result(i).warnings)
                entries.append({fileName(run.entry(i).entry.s_File_Path()), warning});
    return entries;
}

QList<EntryDetails> details(const ConversionRun &run, const QList<int> &indexes)
{
    QList<EntryDetails> entries;
    for (int i : indexes) {
        const ConversionResult &result = run.result(i);
        EntryDetails d;
        d.inputPath = run.entry(i).entry.s_File_Path();
        if (!result.ok)
            d.reason = result.reason;
        else if (run.entry(i).renamed)
            d.savedAs = result.finalPath;
        d.rawMessage = result.rawMessage;
        d.programs = result.programs;
        entries.append(d);
    }
    return entries;
}
} // namespace rundetails

} // namespace quavero
