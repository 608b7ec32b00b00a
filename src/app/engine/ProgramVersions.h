// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asks ffmpeg and sox for their versions, for Help > About Quavero and
// `quavero-cli --version`.
#include "app/core/AboutText.h"

namespace quavero {

namespace programversions {
// Runs `<program> <versionArgument>` and keeps its output; blocks until the
// program has ended.
FoundProgram ask(const QString &program, const QString &versionArgument);
// ffmpeg -version and sox --version.
FoundProgram ffmpeg(const QString &path);
FoundProgram sox(const QString &path);
} // namespace programversions

} // namespace quavero
