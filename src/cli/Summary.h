// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines that end a run: "N converted, M failed", what a stop or a full
// disk left undone, then each failed file with its reason, each file not
// converted because of a full disk, each file saved under a numbered name,
// and each converted file with a warning ("warning: a.mp3: converted; tags
// not copied: ..."). The same outcome the window's end-of-run alert shows.
#include <QString>

#include "convert/core/RunOutcome.h"

namespace quavero {

namespace cli {
QString summaryText(const RunOutcome &outcome);
// For -v: each failure with its commands and the end of their output.
QString failureDetails(const RunOutcome &outcome);
} // namespace cli

} // namespace quavero
