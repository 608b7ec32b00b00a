// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files and folders. Nothing here follows a symbolic link when deleting or
// walking: a link is an entry of its own and is removed as a link.
#include <QString>
#include <QStringList>

namespace quavero {

namespace fs {
// The user's documents folder, "~" expanded.
QString documentsFolder();
// The user's music folder (XDG_MUSIC_DIR, else ~/Music), whether it exists or not.
QString musicFolder();
// True when anything (file, folder, link) exists at path.
bool exists(const QString &path);
bool isFolder(const QString &path);
// Creates the folder and any missing parents; true on success or when it exists.
bool createFolderWithParents(const QString &path);
// Every entry below folder at any depth, as paths relative to it, a folder
// before its contents. Links to folders below it are listed but not entered.
// With notUtf8, names that are not valid UTF-8 are left out and given there
// instead (their bytes shown as replacement characters): such a file cannot be
// named to ffmpeg or sox, whose arguments are text. A folder of such a name is
// not entered.
QStringList walk(const QString &folder, QStringList *notUtf8 = nullptr);
// Names of the entries directly inside folder (hidden ones included), in the
// order the file system lists them; notUtf8 as for walk.
QStringList listFolder(const QString &folder, QStringList *notUtf8 = nullptr);
// Deletes a file, a link (never its target) or a folder with all it holds.
// On failure returns false and describes the failure in *error.
bool remove(const QString &path, QString *error = nullptr);
// True when path names a symbolic link (which is not followed).
bool isLink(const QString &path);
// True when path is a regular file, or a link to one.
bool isRegularFile(const QString &path);
// Why path cannot be read as an audio file, in a few words for the user, or
// an empty text when it is a regular file (or a link to one): "no such file",
// "not a regular file" (a FIFO, socket, device or folder: opening one could
// block for ever), "too many levels of symbolic links", "the name is not valid
// UTF-8; rename the file".
QString regularFileProblem(const QString &path);
// The reason given for a name that is not valid UTF-8.
QString notUtf8Reason();
// Size in bytes; -1 when it cannot be read.
qint64 fileSize(const QString &path);
// Flushes the file at path to the disk (fsync). On failure returns false and
// describes the failure in *error.
bool flushFile(const QString &path, QString *error = nullptr);
// Publishes a finished temporary file under its final name: flushes it to the
// disk, renames it over finalPath, which is replaced as a whole (a reader
// finds the old file or the new one, never a part), then flushes the folder
// so that the new name survives a power loss. The two paths must lie in one
// folder. On failure finalPath is as it was, the temporary file stays for the
// caller to remove, and *error says what failed.
bool publish(const QString &temporaryPath, const QString &finalPath, QString *error = nullptr);
// The canonical path (links and "..", "." resolved), or the cleaned absolute
// path when the file does not exist.
QString canonicalPath(const QString &path);
} // namespace fs

} // namespace quavero
