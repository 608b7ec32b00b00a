// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/BundledPrograms.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace quavero {

#ifndef QUAVERO_INSTALLED_RESOURCES
#define QUAVERO_INSTALLED_RESOURCES "../libexec/quavero/resources"
#endif

namespace bundled {
QString programPathFrom(const QString &name, const QString &executableFolder, const QStringList &searchFolders)
{
    if (!executableFolder.isEmpty()) {
        const QStringList candidates{
            executableFolder + QStringLiteral("/resources/") + name,
            QDir::cleanPath(executableFolder + QStringLiteral("/" QUAVERO_INSTALLED_RESOURCES "/") + name),
        };
        for (const QString &candidate : candidates) {
            const QFileInfo info(candidate);
            if (info.isFile() && info.isExecutable())
                return candidate;
        }
    }
    const QString onPath = QStandardPaths::findExecutable(name, searchFolders);
    return onPath.isEmpty() ? name : onPath;
}

QString programPath(const QString &name)
{
    const QString executableFolder = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return programPathFrom(name, executableFolder, {});
}
} // namespace bundled

} // namespace quavero
