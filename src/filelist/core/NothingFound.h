// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The alert of an add that found no audio file: it names where it looked and,
// when a folder added without its subfolders has audio files below it, offers
// to add them. Pure.
#include <QString>
#include <QStringList>

namespace quavero {

namespace filelist {
// How the add looked.
enum class AddKind {
    Files,         // files chosen in the Add Files panel
    Folder,        // the files directly in each folder
    FolderAndBelow // the files in each folder and all its subfolders
};

struct NothingFoundAlert {
    QString message;
    QString informative;
    QStringList buttons;              // "Add with Subfolders" (when offered), "Close"
    int addWithSubfoldersButton = -1; // index of "Add with Subfolders", -1 when not offered
};

// folders: where the add looked (for Files, the folder of the chosen files),
// as full paths, at least one; a Folder add looks in one. filesBelow: the
// audio files its subfolders hold, counted only for a Folder add; "Add with
// Subfolders" is offered when it is above zero.
NothingFoundAlert nothingFound(AddKind kind, const QStringList &folders, int filesBelow = 0);
} // namespace filelist

} // namespace quavero
