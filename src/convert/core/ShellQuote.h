// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Quoting for a POSIX shell: a command printed this way runs exactly the
// argument vector it came from when pasted into sh, bash or a script.
#include <QString>
#include <QStringList>

namespace quavero {

namespace shell {
// The word as a shell needs it: unchanged when it holds only characters no
// shell treats specially, otherwise in single quotes (a single quote inside
// becomes '\'').
QString quoted(const QString &word);
// Program and arguments quoted and joined with single spaces.
QString commandLine(const QString &program, const QStringList &arguments);
} // namespace shell

} // namespace quavero
