// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirror/core/RecordedPath.h"

#include <QCoreApplication>
#include <QStringList>

namespace quavero {

namespace mirror {
QString recordFileName() { return QStringLiteral(".quavero-library.db"); }

PathProblem checkRecordedPath(const QString &relative, const std::function<bool(const QString &)> &throughLink)
{
    if (relative.isEmpty())
        return PathProblem::Empty;
    if (relative.startsWith(QLatin1Char('/')))
        return PathProblem::Absolute;
    if (relative.contains(QChar(0)))
        return PathProblem::NotPlain;
    const QStringList parts = relative.split(QLatin1Char('/'));
    for (const QString &part : parts) {
        if (part == QLatin1String(".."))
            return PathProblem::Climbs;
        if (part.isEmpty() || part == QLatin1String("."))
            return PathProblem::NotPlain;
    }
    // The record's file and the journals SQLite keeps beside it.
    const QString record = recordFileName();
    if (parts.size() == 1 && (relative == record || relative.startsWith(record + QLatin1Char('-'))))
        return PathProblem::RecordFile;
    if (throughLink && throughLink(relative))
        return PathProblem::ThroughLink;
    return PathProblem::None;
}

QString describe(PathProblem problem)
{
    switch (problem) {
    case PathProblem::None:
        return QString();
    case PathProblem::Empty:
        return QCoreApplication::translate("RecordedPath", "the path is empty");
    case PathProblem::Absolute:
        return QCoreApplication::translate("RecordedPath", "the path is absolute, not below the destination folder");
    case PathProblem::Climbs:
        return QCoreApplication::translate("RecordedPath", "the path leads out of the destination folder");
    case PathProblem::NotPlain:
        return QCoreApplication::translate("RecordedPath", "the path is not written as a plain relative path");
    case PathProblem::RecordFile:
        return QCoreApplication::translate("RecordedPath", "the path names the record itself");
    case PathProblem::ThroughLink:
        return QCoreApplication::translate("RecordedPath", "the path goes through a symbolic link");
    }
    return QString();
}
} // namespace mirror

} // namespace quavero
