// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/InputFiles.h"

#include "cli/CliText.h"
#include "cue/engine/SheetEntries.h"
#include "filelist/core/AcceptedFiles.h"
#include "filelist/core/FileEntry.h"
#include "formats/core/FormatTable.h"
#include "platform/core/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>

namespace quavero {

namespace cli {
namespace {
InputFile namedFile(const QString &path)
{
    InputFile file{filelist::entryFromUrl(QUrl::fromLocalFile(path)), QString()};
    // A FIFO or device is never opened (reading one may block for ever); a
    // link loop and a name that is not UTF-8 say so.
    file.problem = fs::regularFileProblem(path);
    if (!file.problem.isEmpty())
        return file;
    if (!filelist::isAcceptedFile(path))
        file.problem = Text::tr("not an audio file this program converts: its extension is not one of %1")
                           .arg(formats::acceptedExtensions().join(QLatin1String(", ")));
    return file;
}

QList<InputFile> folderFiles(const QString &folder, bool recursive)
{
    QStringList notUtf8;
    QStringList names =
        filelist::acceptedFolderNames(recursive ? fs::walk(folder, &notUtf8) : fs::listFolder(folder, &notUtf8));
    // A name that is not UTF-8 is never skipped silently (only its other
    // letters are lost in the decoding: its extension can still be told).
    notUtf8 = filelist::acceptedFolderNames(notUtf8);
    names << notUtf8;
    std::sort(names.begin(), names.end());
    QList<InputFile> files;
    for (const QString &name : std::as_const(names)) {
        NodeVideoFile entry = filelist::entryFromFolderAndName(folder, name);
        // A folder whose name ends in ".mp3" is no audio file.
        if (QFileInfo(entry.s_File_Path()).isDir())
            continue;
        // "Album/CD 1/01.flac" keeps "Album/CD 1" below the output folder.
        const QString relative = QFileInfo(name).path();
        if (relative != QLatin1String("."))
            entry.setS_Relative_Folder(relative);
        files.append({entry, notUtf8.contains(name) ? fs::notUtf8Reason() : fs::regularFileProblem(entry.s_File_Path())});
    }
    return files;
}
// Each CUE sheet as its tracks (a sheet that gives none fails with its
// reason), and an image not again as a whole when its sheet is there too.
QList<InputFile> withSheetTracks(const QList<InputFile> &files)
{
    QList<NodeVideoFile> entries;
    entries.reserve(files.size());
    for (const InputFile &file : files)
        entries << file.entry;
    QList<InputFile> expanded;
    expanded.reserve(files.size());
    for (const ExpandedEntry &entry : cue::expandSheets(entries))
        expanded.append({entry.entry, entry.failure.isEmpty() ? files.at(entry.from).problem : entry.failure});
    return expanded;
}
} // namespace

CollectedInputs collectInputs(const QStringList &inputs, bool recursive)
{
    CollectedInputs collected;
    for (const QString &input : inputs) {
        const QString path = QDir::cleanPath(QFileInfo(input).absoluteFilePath());
        if (!QFileInfo(path).isDir()) {
            collected.files.append(namedFile(path));
            continue;
        }
        const QList<InputFile> files = folderFiles(path, recursive);
        if (files.isEmpty())
            collected.warnings << Text::tr("%1 holds no file ending in .%2%3")
                                      .arg(input, formats::acceptedExtensions().join(QLatin1String(", .")),
                                           recursive ? QString() : Text::tr(" (-r looks in its subfolders too)"));
        collected.files.append(files);
    }
    collected.files = withSheetTracks(collected.files);
    return collected;
}
} // namespace cli

} // namespace quavero
