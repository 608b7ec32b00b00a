// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion a usable command line asks for, from the input list to the
// summary; returns the exit status. Needs a QCoreApplication.
#include "cli/CommandLine.h"
#include "convert/core/ProgramPaths.h"
#include "convert/core/SettingsSnapshot.h"

namespace quavero {

namespace cli {
// Effects set for a format whose other settings leave out the effects stage
// would silently do nothing: the warning that says so, empty when none is due.
QString idleEffectsWarning(const Request &request);
// The settings the request converts with.
SettingsSnapshot snapshotOf(const Request &request);
// programs: the ffmpeg and sox the run starts.
int runConversion(const Request &request, const ProgramPaths &programs);
} // namespace cli

} // namespace quavero
