// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ShownPath.h"

#include <QDir>

namespace quavero {

namespace cli {
QString shownPath(const QString &path)
{
    const QString relative = QDir::current().relativeFilePath(path);
    return relative.startsWith(QLatin1String("..")) ? path : relative;
}
} // namespace cli

} // namespace quavero
