#pragma once
// Files and folders. Nothing here follows a symbolic link when deleting or
// walking: a link is an entry of its own and is removed as a link.
#include <QString>
#include <QStringList>

namespace fs {
// The user's documents folder, "~" expanded.
QString documentsFolder();
// True when anything (file, folder, link) exists at path.
bool exists(const QString &path);
bool isFolder(const QString &path);
// Creates the folder and any missing parents; true on success or when it exists.
bool createFolderWithParents(const QString &path);
// Every entry below folder at any depth, as paths relative to it, a folder
// before its contents. Links to folders below it are listed but not entered.
QStringList walk(const QString &folder);
// Names of the entries directly inside folder (hidden ones included), in the
// order the file system lists them.
QStringList listFolder(const QString &folder);
// Deletes a file, a link (never its target) or a folder with all it holds.
// On failure returns false and describes the failure in *error.
bool remove(const QString &path, QString *error = nullptr);
// Size in bytes; -1 when it cannot be read.
qint64 fileSize(const QString &path);
// The canonical path (links and "..", "." resolved), or the cleaned absolute
// path when the file does not exist.
QString canonicalPath(const QString &path);
} // namespace fs
