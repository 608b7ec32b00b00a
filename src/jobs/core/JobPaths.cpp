// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/core/JobPaths.h"

#include "jobs/core/JobsText.h"
#include "mirror/core/RecordedPath.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace quavero {

namespace jobs {
QString quotedText(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

bool isAbsoluteRoot(const QString &path) { return path.startsWith(QLatin1Char('/')) && !path.contains(QChar(0)); }

QString pathProblem(const QString &relative, PathRole role)
{
    const bool input = role == PathRole::Input;
    // The record's own name is refused for an output only: it is no audio
    // file either way, and an input of that name simply fails to convert.
    const PathProblem problem = mirror::checkRecordedPath(relative, {});
    switch (problem) {
    case PathProblem::None:
        return QString();
    case PathProblem::RecordFile:
        return input ? QString() : Text::tr("its output %1 names the library record").arg(quotedText(relative));
    case PathProblem::Absolute:
    case PathProblem::Climbs:
        return input ? Text::tr("its input %1 lies outside the input root").arg(quotedText(relative))
                     : Text::tr("its output %1 would fall outside the output root").arg(quotedText(relative));
    default:
        return input ? Text::tr("its input %1 is not a plain relative path").arg(quotedText(relative))
                     : Text::tr("its output %1 is not a plain relative path").arg(quotedText(relative));
    }
}

QString relativeBelow(const QString &root, const QString &path)
{
    if (root == QLatin1String("/"))
        return path.size() > 1 && path.startsWith(QLatin1Char('/')) ? path.mid(1) : QString();
    if (path.size() <= root.size() + 1 || !path.startsWith(root) || path.at(root.size()) != QLatin1Char('/'))
        return QString();
    return path.mid(root.size() + 1);
}

QString joined(const QString &root, const QString &relative)
{
    return root.endsWith(QLatin1Char('/')) ? root + relative : root + QLatin1Char('/') + relative;
}

QString commonFolder(const QStringList &paths)
{
    if (paths.isEmpty())
        return QString();
    QStringList common = paths.first().split(QLatin1Char('/'));
    for (const QString &path : paths) {
        const QStringList parts = path.split(QLatin1Char('/'));
        qsizetype same = 0;
        while (same < common.size() && same < parts.size() && common.at(same) == parts.at(same))
            ++same;
        common.resize(same);
    }
    const QString folder = common.join(QLatin1Char('/'));
    return folder.isEmpty() ? QStringLiteral("/") : folder;
}
} // namespace jobs

} // namespace quavero
