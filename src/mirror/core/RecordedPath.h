// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paths read from a record are data from a folder that anyone may have
// written. Before one names a file to delete or to keep, it must be a plain
// relative path below the destination root that passes through no symbolic
// link. Pure: the caller says whether a path passes through a link.
#include <QString>
#include <functional>

namespace quavero {

enum class PathProblem {
    None,
    Empty,
    Absolute,    // "/home/user/music.mp3"
    Climbs,      // a ".." part: "../outside.mp3"
    NotPlain,    // "." parts, empty parts, a trailing '/', a NUL character
    RecordFile,  // the record's own file or its journal
    ThroughLink, // a folder on the way, or the file itself, is a symbolic link
};

namespace mirror {
// The file name of the record at the destination root.
QString recordFileName();

// Why relative cannot be taken as a path below the root; None when it can.
// throughLink is asked only about paths whose text is fine.
PathProblem checkRecordedPath(const QString &relative, const std::function<bool(const QString &)> &throughLink);

// The problem in a few plain words for a warning ("it leads out of the
// destination folder").
QString describe(PathProblem problem);
} // namespace mirror

} // namespace quavero
