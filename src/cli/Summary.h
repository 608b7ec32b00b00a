#pragma once
// The lines that end a run: "N converted, M failed", what a stop left
// undone, then each failed file with its reason.
#include <QString>

#include "cli/BatchRun.h"

namespace cli {
QString summaryText(const BatchOutcome &outcome);
} // namespace cli
