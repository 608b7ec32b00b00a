#pragma once
// The lines that end a run: "N converted, M failed", what a stop left
// undone, then each failed file with its reason.
#include <QList>
#include <QString>

namespace cli {
struct BatchFailure {
    QString path;
    QString reason;
};

struct BatchOutcome {
    int converted = 0;
    int failed = 0;
    int notConverted = 0;  // stopped, or never started because of a stop
    int stopSignal = 0;    // the signal that stopped the run, 0 when it ran to its end
    QList<BatchFailure> failures; // in list order
};

QString summaryText(const BatchOutcome &outcome);
} // namespace cli
