// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirror/engine/OrphanRemoval.h"

#include "mirror/engine/LibraryRecord.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quavero {

namespace mirror {
namespace {
// Closes a folder descriptor when it goes.
struct Folder {
    int fd = -1;
    ~Folder()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// True when name in the folder is a symbolic link. Opening a link as a
// folder without following it fails with ENOTDIR or ELOOP, as a plain file
// in its place does; only the entry itself tells them apart.
bool isLinkIn(int folder, const QString &name)
{
    struct stat st;
    return ::fstatat(folder, QFile::encodeName(name).constData(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(st.st_mode);
}

QString systemError(const QString &path, int error)
{
    return QCoreApplication::translate("OrphanRemoval", "%1 could not be removed: %2")
        .arg(path, QString::fromLocal8Bit(std::strerror(error)));
}
} // namespace

Removal removeBelow(const QString &root, const QString &relative, const FileStamp &stamp, QString *error)
{
    const QStringList parts = relative.split(QLatin1Char('/'));
    if (relative.isEmpty() || parts.contains(QString()) || parts.contains(QStringLiteral("..")))
        return Removal::Refused;
    Folder folder;
    folder.fd = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (qsizetype i = 0; folder.fd >= 0 && i + 1 < parts.size(); ++i) {
        const int next = ::openat(folder.fd, QFile::encodeName(parts.at(i)).constData(),
                                  O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (next < 0 && (errno == ELOOP || errno == ENOTDIR || errno == ENOENT))
            return isLinkIn(folder.fd, parts.at(i)) ? Removal::Refused : Removal::Gone;
        ::close(folder.fd);
        folder.fd = next;
    }
    if (folder.fd < 0) {
        if (error)
            *error = systemError(relative, errno);
        return Removal::Failed;
    }
    const QByteArray name = QFile::encodeName(parts.last());
    struct stat st;
    if (::fstatat(folder.fd, name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return Removal::Gone;
    if (S_ISLNK(st.st_mode))
        return Removal::Refused;
    const FileStamp now{qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + qint64(st.st_mtim.tv_nsec)};
    if (!S_ISREG(st.st_mode) || now != stamp)
        return Removal::Changed;
    if (::unlinkat(folder.fd, name.constData(), 0) != 0) {
        if (error)
            *error = systemError(relative, errno);
        return Removal::Failed;
    }
    return Removal::Removed;
}

OrphanOutcome removeOrphans(const QString &root, const OrphanDecision &decision, LibraryRecord *record)
{
    OrphanOutcome outcome;
    outcome.keptChanged = decision.keptChanged;
    outcome.refused = decision.refused;
    QStringList gone = decision.forget;
    for (const RecordRow &row : decision.remove) {
        QString error;
        switch (removeBelow(root, row.output, row.outputStamp, &error)) {
        case Removal::Removed:
            outcome.removed << row.output;
            gone << row.output;
            break;
        case Removal::Gone:
            gone << row.output;
            break;
        case Removal::Changed:
            outcome.keptChanged << row.output;
            break;
        case Removal::Refused:
            outcome.refused.append({row.output, PathProblem::ThroughLink});
            break;
        case Removal::Failed:
            outcome.failed << error;
            break;
        }
    }
    if (record && !gone.isEmpty())
        record->forget(gone);
    return outcome;
}
} // namespace mirror

} // namespace quavero
