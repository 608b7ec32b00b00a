// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Desktop.h"

#include <QDesktopServices>

namespace quavero {

void QtDesktop::openUrl(const QUrl &url) { QDesktopServices::openUrl(url); }

void QtDesktop::openFolder(const QString &path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

} // namespace quavero
