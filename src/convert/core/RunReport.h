// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The alert that ends a conversion run: "Success" when every file was
// converted, otherwise how many failed and why, file by file. Pure.
#include <QList>
#include <QString>
#include <QStringList>

#include "convert/core/RunOutcome.h"

namespace quavero {

struct RunAlert {
    QString message;
    QString informative;
    QStringList buttons;       // "Open Output Folder" (when anything was converted), "Close"
    int openFolderButton = -1; // index of "Open Output Folder", -1 when not offered
    QString details;           // "Show Details…": the failed and renamed entries; empty for none
};

namespace runreport {
// The converted entries with warnings are listed last ("a.mp3: converted; tags not copied: ...").
// The details are the caller's (details::text), filled in afterwards.
RunAlert endOfRun(int entryCount, const QList<FailedEntry> &failures, const QList<RenamedEntry> &renamed = {},
                  const QList<ConvertedWithWarning> &warnings = {});
// The alert for a run's outcome, with its details: each entry not converted
// and each renamed one.
RunAlert endOfRun(const RunOutcome &run);
} // namespace runreport

} // namespace quavero
