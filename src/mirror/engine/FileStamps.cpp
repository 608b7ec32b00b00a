// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirror/engine/FileStamps.h"

#include <QFile>
#include <QStringList>

#include <sys/stat.h>

namespace quavero {

namespace mirror {
namespace {
std::optional<FileStamp> fromStat(int result, const struct stat &st)
{
    if (result != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return FileStamp{qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + qint64(st.st_mtim.tv_nsec)};
}
} // namespace

std::optional<FileStamp> stampOf(const QString &path)
{
    struct stat st;
    const int result = ::stat(QFile::encodeName(path).constData(), &st);
    return fromStat(result, st);
}

std::optional<FileStamp> outputStampOf(const QString &path)
{
    struct stat st;
    const int result = ::lstat(QFile::encodeName(path).constData(), &st);
    return fromStat(result, st);
}

bool throughLink(const QString &root, const QString &relative)
{
    QString path = root;
    for (const QString &part : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path += QLatin1Char('/') + part;
        struct stat st;
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
            return false; // nothing further down exists to lead anywhere
        if (S_ISLNK(st.st_mode))
            return true;
    }
    return false;
}
} // namespace mirror

} // namespace quavero
