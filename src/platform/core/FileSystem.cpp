#include "platform/core/FileSystem.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace fs {
QString documentsFolder()
{
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.startsWith(QLatin1Char('~')))
        docs = QDir::homePath() + docs.mid(1);
    return docs;
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

bool createFolderWithParents(const QString &path)
{
    return QDir().mkpath(path) && QFileInfo(path).isDir();
}

QStringList walk(const QString &folder)
{
    QStringList out;
    const QDir base(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    // QDirIterator does not descend into links to folders unless FollowSymlinks is given.
    while (it.hasNext()) {
        it.next();
        out << base.relativeFilePath(it.filePath());
    }
    return out;
}

QStringList listFolder(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Unsorted);
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
                *error = QStringLiteral("%1: %2").arg(QFile::decodeName(path), QString::fromLocal8Bit(std::strerror(errno)));
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

bool remove(const QString &path, QString *error)
{
    return removeEntry(QFile::encodeName(path), error);
}

qint64 fileSize(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return qint64(st.st_size);
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
