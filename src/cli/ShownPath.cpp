// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ShownPath.h"

#include "cue/core/TrackEntry.h"

#include <QDir>

namespace quavero {

namespace cli {
QString shownPath(const QString &path)
{
    const QString relative = QDir::current().relativeFilePath(path);
    return relative.startsWith(QLatin1String("..")) ? path : relative;
}

QString shownEntry(const NodeVideoFile &entry)
{
    const ImageTrack &track = entry.m_Track();
    if (!track.isTrack())
        return shownPath(entry.s_File_Path());
    return cue::shownTrack(shownPath(track.sheetPath), entry.s_File_Name_Without_Extension());
}
} // namespace cli

} // namespace quavero
