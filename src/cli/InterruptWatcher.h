// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command-line tool ends on Ctrl-C, SIGTERM and SIGHUP as the desktop
// program does: through the platform's stop-signal watcher.
#include "platform/core/StopSignals.h"

namespace quavero {

namespace cli {
using InterruptWatcher = StopSignalWatcher;
} // namespace cli

} // namespace quavero
