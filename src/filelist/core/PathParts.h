// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parts of a file path the list shows and works with. A trailing slash is
// ignored, so "/music/a.mp3/" has the same parts as "/music/a.mp3".
#include <QString>

namespace quavero {

namespace filelist {
// "a.mp3" of "/music/a.mp3".
QString lastPathComponent(const QString &path);
// "/music" of "/music/a.mp3", "/" of "/a.mp3", "" of "a.mp3".
QString folderOfPath(const QString &path);
// "mp3" of "/music/a.mp3", in the letter case of the name; "" when the name
// has no dot after its first character ("/music/.hidden", "/music/notes").
QString pathExtension(const QString &path);
// "a" of "a.mp3", "archive.tar" of "archive.tar.gz", ".hidden" of ".hidden".
QString nameWithoutExtension(const QString &name);
} // namespace filelist

} // namespace quavero
