// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/StaleTemporaries.h"

#include "convert/core/TemporaryName.h"
#include "platform/core/FileSystem.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <limits>
#include <sys/stat.h>

namespace quavero {

namespace staletemps {
bool processAlive(qint64 pid)
{
    if (pid <= 0 || pid > qint64(std::numeric_limits<pid_t>::max()))
        return false;
    // EPERM: the process exists but belongs to someone else.
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

QStringList removeIn(const QString &folder, QStringList *problems, const std::function<bool(qint64)> &alive,
                     const std::function<bool(const QString &)> &wanted)
{
    QStringList removed;
    for (const QString &name : fs::listFolder(folder)) {
        if (!tempname::isStale(name, alive) || (wanted && !wanted(name)))
            continue;
        const QString path = folder + QLatin1Char('/') + name;
        struct stat st;
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        QString error;
        if (fs::remove(path, &error))
            removed << name;
        else if (problems)
            *problems << error;
    }
    return removed;
}
} // namespace staletemps

} // namespace quavero
