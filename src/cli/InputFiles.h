// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The list entries an INPUT list names. A file is taken as it is (its
// extension checked in any letter case, as the file panel does); a folder
// gives the files directly in it (or, recursive, at any depth) whose extension
// is exactly one of the accepted extensions, as Add Folder takes them, in
// name order so that runs are repeatable. A file found in a subfolder keeps
// that subfolder, relative to the folder given, as its relative folder.
#include <QList>
#include <QString>
#include <QStringList>

#include "filelist/core/NodeVideoFile.h"

namespace quavero {

namespace cli {
struct InputFile {
    NodeVideoFile entry; // path parts filled in; duration not yet probed
    QString problem;     // why it cannot be converted (missing, not an audio file); empty when fine
};

struct CollectedInputs {
    QList<InputFile> files;
    QStringList warnings; // folders that held nothing to convert
};

CollectedInputs collectInputs(const QStringList &inputs, bool recursive);
} // namespace cli

} // namespace quavero
