#include "platform/core/BundledPrograms.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace bundled {
QString programPath(const QString &name)
{
    QStringList candidates;
    if (QCoreApplication::instance()) {
        const QString appDir = QCoreApplication::applicationDirPath();
        candidates << appDir + QStringLiteral("/resources/") + name
                   << QDir::cleanPath(appDir + QStringLiteral("/../libexec/quavero/resources/") + name);
    }
    for (const QString &candidate : candidates) {
        const QFileInfo info(candidate);
        if (info.exists() && info.isExecutable())
            return candidate;
    }
    const QString onPath = QStandardPaths::findExecutable(name);
    return onPath.isEmpty() ? name : onPath;
}

QString debianPackageOf(const QString &name)
{
    if (name == QLatin1String("ffmpeg"))
        return QStringLiteral("ffmpeg");
    if (name == QLatin1String("sox"))
        return QStringLiteral("sox");
    return name;
}
} // namespace bundled
