// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The temporary files an entry is written through before its output is
// published under the final name. Each lies in the final file's own folder
// (so that the rename that publishes it stays on one file system), is
// hidden, and carries the id of the process that writes it, so that a later
// run can tell the files of a stopped run from those of a run still going:
//
//   .quavero-part-<pid>-<stage>-<8 hex digits>.<final name>
//
// The hex digits are taken from a hash of the whole final name, so that two
// long names shortened to the same text still get two temporary files. The
// name keeps the final name's extension (or the one given), since ffmpeg and
// sox choose the file type from it, and it fits the 255-byte limit of a file
// name in UTF-8 without cutting a character in two. Pure.
#include <QString>
#include <functional>
#include <optional>

namespace quavero {

namespace tempname {
// The longest file name, in bytes, that Linux file systems take.
constexpr int kNameLimit = 255;

// The temporary path beside finalPath for one stage of a process ("enc" for
// ffmpeg, "fx" for sox; lower-case letters). extension, with its dot,
// replaces the final name's (".wav" for a stage that writes another type).
QString pathFor(const QString &finalPath, qint64 pid, const QString &stage, const QString &extension = QString());

// The process id in a file name of that pattern; none for any other name.
std::optional<qint64> ownerOf(const QString &fileName);

// True when fileName is one of our temporary files whose process is no longer
// running (alive says whether a process id belongs to a running process).
bool isStale(const QString &fileName, const std::function<bool(qint64)> &alive);

// True when fileName is one of our temporary files written for the final
// file named finalName (a name, not a path), by whichever process.
bool isFor(const QString &fileName, const QString &finalName);
} // namespace tempname

} // namespace quavero
