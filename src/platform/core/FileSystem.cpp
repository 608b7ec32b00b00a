// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quavero {

namespace fs {
QString documentsFolder()
{
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.startsWith(QLatin1Char('~')))
        docs = QDir::homePath() + docs.mid(1);
    return docs;
}

QString musicFolder()
{
    QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (music.startsWith(QLatin1Char('~')))
        music = QDir::homePath() + music.mid(1);
    return music;
}

bool exists(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

bool isFolder(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool createFolderWithParents(const QString &path) { return QDir().mkpath(path) && QFileInfo(path).isDir(); }

namespace {
// The names in a folder as the file system stores them (bytes), "." and ".."
// left out. Qt's listings drop a name that is not UTF-8 (decoded, it names
// nothing that exists), so the folder is read here.
QList<QByteArray> namesIn(const QByteArray &folder)
{
    QList<QByteArray> names;
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names << name;
    }
    ::closedir(dir);
    return names;
}

bool isUtf8(const QByteArray &name)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder(name);
    return !decoder.hasError() && decoded.toUtf8() == name;
}

// A name the file system gave in bytes that are not UTF-8 comes out of the
// decoding with replacement characters, and encoding it again names another
// file: nothing is found under it.
bool undecodable(const QString &path) { return path.contains(QChar::ReplacementCharacter) && !exists(path); }

// Walks folder (relative paths from prefix), a folder before its contents,
// links to folders not entered. Names that are not UTF-8 go to *notUtf8 when
// it is given (not entered), else they are listed as decoded.
void walkInto(const QByteArray &folder, const QString &prefix, bool recursive, QStringList &out, QStringList *notUtf8)
{
    for (const QByteArray &name : namesIn(folder)) {
        const QString relative = prefix + QFile::decodeName(name);
        if (notUtf8 && !isUtf8(name)) {
            *notUtf8 << relative;
            continue;
        }
        out << relative;
        struct stat st;
        const QByteArray path = folder + '/' + name;
        if (recursive && ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode))
            walkInto(path, relative + QLatin1Char('/'), recursive, out, notUtf8);
    }
}
} // namespace

QStringList walk(const QString &folder, QStringList *notUtf8)
{
    QStringList out;
    walkInto(QFile::encodeName(folder), QString(), true, out, notUtf8);
    return out;
}

QStringList listFolder(const QString &folder, QStringList *notUtf8)
{
    QStringList out;
    walkInto(QFile::encodeName(folder), QString(), false, out, notUtf8);
    return out;
}

namespace {
bool removeEntry(const QByteArray &path, QString *error)
{
    struct stat st;
    if (::lstat(path.constData(), &st) != 0) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QFile::decodeName(path), QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        bool ok = true;
        QDir dir(QFile::decodeName(path));
        const QStringList names = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString &name : names)
            ok = removeEntry(path + '/' + QFile::encodeName(name), error) && ok;
        if (::rmdir(path.constData()) != 0) {
            if (error)
                *error =
                    QStringLiteral("%1: %2").arg(QFile::decodeName(path), QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        return ok;
    }
    // Files and links alike: unlink removes a link itself, never its target.
    if (::unlink(path.constData()) != 0) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QFile::decodeName(path), QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    return true;
}
} // namespace

bool remove(const QString &path, QString *error) { return removeEntry(QFile::encodeName(path), error); }

bool isLink(const QString &path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool isRegularFile(const QString &path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISREG(st.st_mode);
}

QString notUtf8Reason()
{
    return QCoreApplication::translate("FileSystem", "the name is not valid UTF-8; rename the file");
}

QString regularFileProblem(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) == 0)
        return S_ISREG(st.st_mode) ? QString() : QCoreApplication::translate("FileSystem", "not a regular file");
    const int error = errno;
    if (undecodable(path))
        return notUtf8Reason();
    switch (error) {
    case ENOENT:
        return QCoreApplication::translate("FileSystem", "no such file");
    case ELOOP:
        return QCoreApplication::translate("FileSystem", "too many levels of symbolic links");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

qint64 fileSize(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return qint64(st.st_size);
}

namespace {
QString systemError(const QString &path, int error)
{
    return QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(error)));
}

// fsync on a descriptor opened with flags; folders are opened read-only.
bool flushOpened(const QString &path, int flags, QString *error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0) {
        if (error)
            *error = systemError(path, errno);
        return false;
    }
    const bool flushed = ::fsync(fd) == 0;
    const int fsyncError = errno;
    ::close(fd);
    if (!flushed && error)
        *error = systemError(path, fsyncError);
    return flushed;
}
} // namespace

bool flushFile(const QString &path, QString *error) { return flushOpened(path, O_RDONLY, error); }

bool publish(const QString &temporaryPath, const QString &finalPath, QString *error)
{
    // Renamed before it is known to be on the disk, a power loss could leave
    // an empty or partial file under the final name.
    if (!flushFile(temporaryPath, error))
        return false;
    if (::rename(QFile::encodeName(temporaryPath).constData(), QFile::encodeName(finalPath).constData()) != 0) {
        if (error)
            *error = systemError(finalPath, errno);
        return false;
    }
    // The rename is done and the file complete; flushing the folder makes the
    // new entry durable. Some file systems (network shares, FUSE) cannot flush
    // a folder and say so: the file is published all the same.
    flushOpened(QFileInfo(finalPath).absolutePath(), O_RDONLY | O_DIRECTORY, nullptr);
    return true;
}

QString canonicalPath(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    if (!canonical.isEmpty())
        return canonical;
    // A file that does not exist yet: resolve its folder, keep its name.
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (!folder.isEmpty())
        return QDir(folder).filePath(info.fileName());
    return QDir::cleanPath(info.absoluteFilePath());
}
} // namespace fs

} // namespace quavero
