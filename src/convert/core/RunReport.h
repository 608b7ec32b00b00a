#pragma once
// The alert that ends a conversion run: "Success" when every file was
// converted, otherwise how many failed and why, file by file. Pure.
#include <QList>
#include <QString>
#include <QStringList>

struct FailedEntry {
    QString fileName; // the input file's name, "a b.wav"
    QString reason;   // short reason, "ffmpeg failed: ..."
};

struct RunAlert {
    QString message;
    QString informative;
    QStringList buttons;      // "Open Output Folder" (when anything was converted), "Close"
    int openFolderButton = -1; // index of "Open Output Folder", -1 when not offered
};

namespace runreport {
RunAlert endOfRun(int entryCount, const QList<FailedEntry> &failures);
} // namespace runreport
