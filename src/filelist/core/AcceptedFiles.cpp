// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/core/AcceptedFiles.h"

#include "filelist/core/PathParts.h"
#include "formats/core/FormatTable.h"

namespace quavero {

namespace filelist {
const QStringList &addableExtensions()
{
    static const QStringList list = formats::acceptedExtensions() + QStringList{QStringLiteral("cue")};
    return list;
}

QStringList acceptedFolderNames(const QStringList &names)
{
    QStringList kept;
    for (const QString &name : names)
        if (isAcceptedFile(name))
            kept << name;
    return kept;
}

bool isAcceptedFile(const QString &path)
{
    const QString extension = pathExtension(path);
    return !extension.isEmpty() && addableExtensions().contains(extension, Qt::CaseInsensitive);
}

bool mayHoldVideo(const QString &extension)
{
    static const QStringList kinds{"mp4", "mkv", "webm", "m4b", "mka", "ogx"};
    return kinds.contains(extension.startsWith(QLatin1Char('.')) ? extension.mid(1) : extension, Qt::CaseInsensitive);
}
} // namespace filelist

} // namespace quavero
