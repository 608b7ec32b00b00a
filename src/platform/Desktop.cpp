#include "platform/Desktop.h"

#include <QDesktopServices>

void QtDesktop::openUrl(const QUrl &url)
{
    QDesktopServices::openUrl(url);
}

void QtDesktop::openFolder(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
