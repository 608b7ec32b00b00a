// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The alert that ends a conversion run: "Success" when every file was
// converted, otherwise how many failed and why, file by file. Pure.
#include <QList>
#include <QString>
#include <QStringList>

namespace quavero {

struct FailedEntry {
    QString fileName; // the input file's name, "a b.wav"
    QString reason;   // short reason, "ffmpeg failed: ..."
};

// An entry converted under a numbered name because another entry of the run
// has the same output name.
struct RenamedEntry {
    QString fileName; // the input file's name, "a.flac"
    QString savedAs;  // the output's name, "a (2).mp3"
};

// An entry converted all the same, with something the user should know.
struct ConvertedWithWarning {
    QString fileName; // "a b.mp3"
    QString warning;  // "tags not copied: ..."
};

struct RunAlert {
    QString message;
    QString informative;
    QStringList buttons;       // "Open Output Folder" (when anything was converted), "Close"
    int openFolderButton = -1; // index of "Open Output Folder", -1 when not offered
    QString details;           // "Show Details…": the failed and renamed entries; empty for none
};

namespace runreport {
// The details are the caller's (details::text), filled in afterwards.
// The converted entries with warnings are listed last ("a.mp3: converted; tags not copied: ...").
RunAlert endOfRun(int entryCount, const QList<FailedEntry> &failures, const QList<RenamedEntry> &renamed = {},
                  const QList<ConvertedWithWarning> &warnings = {});
} // namespace runreport

} // namespace quavero
