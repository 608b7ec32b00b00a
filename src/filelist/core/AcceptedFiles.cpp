// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/core/AcceptedFiles.h"

#include "filelist/core/PathParts.h"
#include "formats/core/FormatTable.h"

namespace quavero {

namespace filelist {
QStringList acceptedFolderNames(const QStringList &names)
{
    QStringList kept;
    for (const QString &name : names)
        if (formats::acceptedExtensions().contains(pathExtension(name), Qt::CaseSensitive))
            kept << name;
    return kept;
}

bool isAcceptedFile(const QString &path)
{
    const QString extension = pathExtension(path);
    return !extension.isEmpty() && formats::acceptedExtensions().contains(extension, Qt::CaseInsensitive);
}
} // namespace filelist

} // namespace quavero
