// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which files an add takes: those whose extension is one of the accepted
// input extensions ("ac3" ... "voc"), whatever their letter case, and CUE
// sheets ("cue"), which the add turns into the tracks of the images they name.
#include <QString>
#include <QStringList>

namespace quavero {

namespace filelist {
// The extensions an add takes: the accepted input extensions and "cue".
const QStringList &addableExtensions();
// The names of a folder listing whose extension is one of the accepted
// extensions in any letter case ("TRACK01.MP3", "Song.Flac"), in listing order.
// Only the name is looked at: a hidden "._a.mp3" or a folder named "x.mp3" is kept.
QStringList acceptedFolderNames(const QStringList &names);
// True when a file the user picked directly (in the file panel, or by dropping
// it) has an accepted extension, in any letter case: the same rule as a folder's.
bool isAcceptedFile(const QString &path);
// True for the input kinds that may hold a film beside their audio (mp4,
// mkv, webm ...), in any letter case; the extension without its dot.
bool mayHoldVideo(const QString &extension);
} // namespace filelist

} // namespace quavero
