// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a folder chooser or an open panel opens. Pure.
#include <QString>
#include <functional>

namespace quavero {

namespace startfolder {
// The first of the remembered folder, the music folder and the home folder
// that isFolder says is a folder; the home folder when none is. An empty
// remembered folder (none yet) is skipped.
QString pick(const QString &remembered, const QString &music, const QString &home,
             const std::function<bool(const QString &path)> &isFolder);
} // namespace startfolder

} // namespace quavero
