// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which file in a folder a sheet's FILE line stands for. Sheets are often
// older than their images: "album.wav" in the sheet for an image encoded to
// "album.flac" later, or a name in another letter case, or the ripper's own
// "CDImage.wav" for an image renamed after the sheet. Pure: it decides among
// the names of the regular files in the folder.
#include <QString>
#include <QStringList>

namespace quavero {

namespace cue {
enum class MatchKind {
    None,
    Exact,          // the name as the sheet writes it
    OtherCase,      // the same name in another letter case
    OtherExtension, // the same name before the extension, another audio extension
    SheetName,      // the sheet names one file only, and an audio file has the sheet's own name
};

struct ImageMatch {
    MatchKind kind = MatchKind::None;
    QString name; // the file's name in the folder
};

// The last part of a FILE name, whichever separator the sheet used:
// "C:\Rips\album.wav" and "rips/album.wav" give "album.wav".
QString fileNamePart(const QString &named);

// The audio extensions an image is looked for under, lossless ones first and
// in the order they are preferred when several files fit.
const QStringList &imageExtensions();

// The file among names (the regular files of the folder) that named stands
// for, tried in the order of MatchKind. sheetBaseName is the sheet's own name
// without ".cue" ("album"); filesInSheet how many FILE names the sheet has.
ImageMatch matchImage(const QString &named, const QStringList &names, const QString &sheetBaseName, int filesInSheet);
} // namespace cue

} // namespace quavero
