// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness/core/AlbumKey.h"

#include <QDir>

namespace quavero {

namespace loudness {
QString albumKey(const QString &albumTag, const QString &outputFolder)
{
    const QString album = albumTag.trimmed();
    if (album.isEmpty())
        return QString();
    // A NUL separates the parts: no path holds one, so two keys are equal only
    // when both their folders and their albums are.
    return QDir::cleanPath(outputFolder) + QChar(0) + album;
}
} // namespace loudness

} // namespace quavero
