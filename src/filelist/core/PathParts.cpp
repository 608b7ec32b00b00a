// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/core/PathParts.h"

namespace quavero {

namespace filelist {
namespace {
QString withoutTrailingSlashes(const QString &path)
{
    qsizetype end = path.size();
    while (end > 1 && path[end - 1] == QLatin1Char('/'))
        --end;
    return path.left(end);
}

// Index of the dot that starts the extension of a name, or -1. A dot in first
// place marks a hidden file, not an extension; a dot in last place has no
// extension after it.
qsizetype extensionDot(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return (dot > 0 && dot < name.size() - 1) ? dot : -1;
}
} // namespace

QString lastPathComponent(const QString &path)
{
    const QString clean = withoutTrailingSlashes(path);
    if (clean == QLatin1String("/"))
        return clean;
    return clean.mid(clean.lastIndexOf(QLatin1Char('/')) + 1);
}

QString folderOfPath(const QString &path)
{
    const QString clean = withoutTrailingSlashes(path);
    const qsizetype slash = clean.lastIndexOf(QLatin1Char('/'));
    if (slash < 0 || clean == QLatin1String("/"))
        return QString();
    return slash == 0 ? QStringLiteral("/") : clean.left(slash);
}

QString pathExtension(const QString &path)
{
    const QString name = lastPathComponent(path);
    const qsizetype dot = extensionDot(name);
    return dot < 0 ? QString() : name.mid(dot + 1);
}

QString nameWithoutExtension(const QString &name)
{
    const qsizetype dot = extensionDot(name);
    return dot < 0 ? name : name.left(dot);
}
} // namespace filelist

} // namespace quavero
