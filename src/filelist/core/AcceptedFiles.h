// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which files an add takes: those whose extension is one of the accepted
// input extensions ("ac3" ... "m4a").
#include <QString>
#include <QStringList>

namespace quavero {

namespace filelist {
// The names of a folder listing whose extension is exactly one of the accepted
// extensions, letter case included (so "b.WAV" is left out), in listing order.
// Only the name is looked at: a hidden "._a.mp3" or a folder named "x.mp3" is kept.
QStringList acceptedFolderNames(const QStringList &names);
// True when a file the user picked directly (in the file panel, or by dropping
// it) has an accepted extension; letter case is ignored there, as the panel's
// filter ignores it.
bool isAcceptedFile(const QString &path);
} // namespace filelist

} // namespace quavero
