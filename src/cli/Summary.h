#pragma once
// The lines that end a run: "N converted, M failed", what a stop left
// undone, then each failed file with its reason, then each converted file
// with a warning ("warning: a.mp3: converted; tags not copied: ...").
#include <QString>

#include "cli/BatchRun.h"

namespace cli {
QString summaryText(const BatchOutcome &outcome);
} // namespace cli
