// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines that end a run: "N converted, M failed", what a stop or a full
// disk left undone, then each failed file with its reason, each file not
// converted because of a full disk, each file saved under a numbered name,
// and each converted file with a warning ("warning: a.mp3: converted; tags
// not copied: ...").
#include <QList>
#include <QString>
#include <QStringList>

namespace quavero {

namespace cli {
struct BatchFailure {
    QString path;
    QString reason;
};

struct BatchRenamed {
    QString path;    // the input, as shown
    QString savedAs; // the output's numbered name, as shown
};

// A file that was converted, with something the user should know about it
// ("tags not copied: ...").
struct BatchWarning {
    QString path;
    QString warning;
};

struct BatchOutcome {
    int converted = 0;
    int failed = 0;
    int notConverted = 0;          // stopped, or never started because of a stop or a full disk
    int stopSignal = 0;            // the signal that stopped the run, 0 when it ran to its end
    bool diskFull = false;         // a full disk ended the run: the rest were not converted
    QList<BatchFailure> failures;  // in list order
    QStringList notConvertedPaths; // when the disk was full, as shown
    QList<BatchRenamed> renamed;   // in list order
    QList<BatchWarning> warnings;  // in list order
    QString failureDetails;        // for -v: each failure with its commands and the end of their output
};

QString summaryText(const BatchOutcome &outcome);
} // namespace cli

} // namespace quavero
