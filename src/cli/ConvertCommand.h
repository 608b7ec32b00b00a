// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion a usable command line asks for, from the input list to the
// summary; returns the exit status. Needs a QCoreApplication.
#include "cli/CommandLine.h"

namespace quavero {

namespace cli {
int runConversion(const Request &request);
} // namespace cli

} // namespace quavero
