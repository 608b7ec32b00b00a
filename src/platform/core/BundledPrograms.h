// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The programs the converter runs, "ffmpeg" and "sox": first from the
// resources/ folder beside the executable (the build links them there), then
// from the installed libexec folder (<prefix>/libexec/quavero/resources, seen
// from <prefix>/bin), then from the PATH.
#include <QString>
#include <QStringList>

namespace quavero {

namespace bundled {
// The path of the named program, or the bare name when it is nowhere to be
// found (starting it then fails, which callers report).
QString programPath(const QString &name);
// The same lookup from the given executable folder, searching the given
// folders instead of the PATH (an empty list searches the PATH).
QString programPathFrom(const QString &name, const QString &executableFolder, const QStringList &searchFolders);
} // namespace bundled

} // namespace quavero
