// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The paths of a job list: a job's input and output are stored relative to
// the list's input and output roots, so that a worker that mounts the
// library elsewhere names other roots and finds the same files. A path
// read from a list must be a plain relative path below its root. Pure.
#include <QString>
#include <QStringList>

namespace quavero {

enum class PathRole { Input, Output };

namespace jobs {
// The text as a JSON string literal ("a\tb"), so that a name with a tab or
// a line break stays on one line of a message.
QString quotedText(const QString &text);

// True for an absolute path without NUL characters.
bool isAbsoluteRoot(const QString &path);

// Why a job's path cannot be used, in plain words naming the path; empty
// when it is a plain relative path below its root (no absolute path, no
// "..", ".", or empty parts).
QString pathProblem(const QString &relative, PathRole role);

// The path of a file below root, relative to it; empty when it is not below.
// Both are clean absolute paths.
QString relativeBelow(const QString &root, const QString &path);

// root joined with a relative path.
QString joined(const QString &root, const QString &relative);

// The deepest folder that holds all the given clean absolute paths ("/" at
// worst); empty when none is given.
QString commonFolder(const QStringList &paths);
} // namespace jobs

} // namespace quavero
