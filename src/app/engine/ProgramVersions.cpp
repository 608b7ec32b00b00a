// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/engine/ProgramVersions.h"

#include "platform/core/ChildProcess.h"

namespace quavero {

namespace programversions {
FoundProgram ask(const QString &program, const QString &versionArgument)
{
    FoundProgram found;
    found.path = program;
    if (!child::canRun(program))
        return found;
    const JoinedRun run = child::runJoined(program, {versionArgument});
    found.ran = run.started && !run.crashed;
    found.versionOutput = run.output;
    return found;
}

FoundProgram ffmpeg(const QString &path) { return ask(path, QStringLiteral("-version")); }

FoundProgram sox(const QString &path) { return ask(path, QStringLiteral("--version")); }
} // namespace programversions

} // namespace quavero
