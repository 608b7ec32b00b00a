#pragma once
// The programs the converter runs, "ffmpeg" and "sox": first from the
// resources/ folder beside the executable (the build links them there), then
// from the installed libexec folder, then from the PATH.
#include <QString>

namespace bundled {
// The path of the named program, or the bare name when it is nowhere to be
// found (starting it then fails, which callers report).
QString programPath(const QString &name);
// The Debian package that provides the named program.
QString debianPackageOf(const QString &name);
} // namespace bundled
