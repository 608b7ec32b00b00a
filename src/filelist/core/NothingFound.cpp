// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/core/NothingFound.h"

#include "filelist/core/PathParts.h"
#include "formats/core/FormatTable.h"

#include <QCoreApplication>

namespace quavero {

namespace filelist {
namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(AddFiles)
};

// ".ac3, .aiff, …": what an add takes.
QString acceptedList() { return QLatin1Char('.') + formats::acceptedExtensions().join(QStringLiteral(", .")); }

// The folder as the user knows it: its own name, or "/" for the root.
QString shownName(const QString &folder)
{
    const QString name = lastPathComponent(folder);
    return name.isEmpty() ? folder : name;
}
} // namespace

NothingFoundAlert nothingFound(AddKind kind, const QStringList &folders, int filesBelow)
{
    NothingFoundAlert alert;
    const QString where = folders.join(QLatin1Char('\n'));
    const bool one = folders.size() == 1;
    alert.message = one ? Text::tr("No audio file was found in “%1”.").arg(shownName(folders.first()))
                        : Text::tr("No audio file was found in the %1 folders.").arg(folders.size());
    const QString noneBelow =
        one ? Text::tr("Neither %1 nor its subfolders hold a file ending in %2.").arg(where, acceptedList())
            : Text::tr("Neither these folders nor their subfolders hold a file ending in %1:\n%2").arg(acceptedList(), where);
    switch (kind) {
    case AddKind::Files:
        alert.message = Text::tr("None of the chosen files is an audio file.");
        alert.informative =
            Text::tr("The files chosen in %1 cannot be added: only files ending in %2 can.").arg(where, acceptedList());
        break;
    case AddKind::Folder:
        // Add Folder takes one folder, and only the files directly in it.
        if (filesBelow > 0) {
            alert.informative =
                filesBelow == 1
                    ? Text::tr("Only the files directly in %1 were looked at. Its subfolders hold 1 audio file: "
                               "add it with its subfolders?")
                          .arg(where)
                    : Text::tr("Only the files directly in %1 were looked at. Its subfolders hold %2 audio files: "
                               "add them with their subfolders?")
                          .arg(where)
                          .arg(filesBelow);
            alert.buttons << Text::tr("Add with Subfolders");
            alert.addWithSubfoldersButton = 0;
        } else {
            alert.informative = noneBelow;
        }
        break;
    case AddKind::FolderAndBelow:
        alert.informative = noneBelow;
        break;
    }
    alert.buttons << Text::tr("Close");
    return alert;
}
} // namespace filelist

} // namespace quavero
