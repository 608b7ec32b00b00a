// SPDX-License-Identifier: GPL-3.0-or-later
// Adding to the input file list: Add Files, Add Folder, Add Folder and
// Subfolders, files given on the command line and dropped files (all through
// one add worker and its progress sheet), the alert of an add that found
// nothing, and the duration probe. The table itself is AppDelegate_FileTable.cpp.
//
// While an add runs, its progress sheet covers the main window, so the user
// cannot start anything else; for calls that arrive anyway:
// - Add Files and Add Folder open no panel;
// - addPaths and addDroppedPaths (files named on the command line, dropped
//   files) are queued and run when the current add has ended;
// - Remove and Clear change nothing (the worker is still filling the list) and
//   only reload the table;
// - sorting is allowed: entries still to come are appended after the sorted ones.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "app/PreferenceKeys.h"
#include "common/core/StartFolder.h"
#include "filelist/AddWorker.h"
#include "filelist/Window_Progress.h"
#include "filelist/core/AcceptedFiles.h"
#include "filelist/core/DurationText.h"
#include "filelist/core/NothingFound.h"
#include "filelist/engine/AddCandidates.h"
#include "filelist/engine/DurationProbe.h"
#include "filelist/engine/FolderTree.h"
#include "filelist/engine/SheetStep.h"
#include "platform/Prompts.h"
#include "platform/core/FileSystem.h"
#include "platform/core/Preferences.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quavero {

namespace {
const char *const kAddFilesMessage =
    QT_TRANSLATE_NOOP("AppDelegate", "Select audio files to add to the list of files to convert.");

// Files an add leaves out are named in one alert once the adds have ended.
void noteNotAdded(AppDelegate &app, const filelist::AddCandidates &candidates)
{
    app.notAddedLines << candidates.notAddedLines();
}

// The accepted files of top and all its subfolders, each keeping its folder
// relative to top, through the same checks as any other add (regular files
// with UTF-8 names only).
void addTreeFiles(filelist::AddCandidates &candidates, const QString &top)
{
    for (const NodeVideoFile &found : filelist::entriesBelow(top)) {
        const int before = int(candidates.entries.size());
        filelist::addChosenFile(candidates, found.s_File_Path());
        if (candidates.entries.size() > before)
            candidates.entries.last().setS_Relative_Folder(found.s_Relative_Folder());
    }
}

void alertNotAdded(AppDelegate &app)
{
    if (app.notAddedLines.isEmpty() || app.isAdding())
        return;
    const QStringList lines = app.notAddedLines;
    app.notAddedLines.clear();
    app.services().prompts->alert(QCoreApplication::translate("AddFiles", "Some files were not added."),
                                  lines.join(QLatin1Char('\n')), {QCoreApplication::translate("AddFiles", "Close")});
}
} // namespace

// ---- adding ----

namespace {
// Opens the progress sheet and starts the worker on entries; an empty list
// adds nothing, opens no sheet and only reports the add as finished.
void beginAdd(AppDelegate &app, const QList<NodeVideoFile> &entries);

// The per-file step on the main thread: the bar advances; after the last file
// the sheet closes, the table reloads, and the next queued add starts.
void addStepDidRun(AppDelegate &app, int done, int total)
{
    if (app.windowUniqueProgress)
        app.windowUniqueProgress->setDone(done);
    if (done < total)
        return;
    if (app.windowUniqueProgress) {
        app.windowUniqueProgress->endSheet();
        app.windowUniqueProgress = nullptr;
    }
    app.refreshTableVideoFiles();
    emit app.addFinished();
    if (!app.pendingAdds.isEmpty() && !app.addWorker->isRunning())
        beginAdd(app, app.pendingAdds.takeFirst());
    alertNotAdded(app);
}

void beginAdd(AppDelegate &app, const QList<NodeVideoFile> &entries)
{
    if (entries.isEmpty()) {
        QMetaObject::invokeMethod(
            &app,
            [&app] {
                emit app.addFinished();
                alertNotAdded(app);
            },
            Qt::QueuedConnection);
        // An empty add that was queued behind others lets the next one go.
        if (!app.pendingAdds.isEmpty())
            beginAdd(app, app.pendingAdds.takeFirst());
        return;
    }
    app.windowUniqueProgress = new Window_Progress(app.window);
    app.windowUniqueProgress->beginSheet(int(entries.size()));
    AddWorker::BatchCompleter complete =
        app.addEntryCompleter ? AddWorker::eachWith(app.addEntryCompleter) : AddWorker::probingWith(app.sffmpegPath);
    app.addWorker->start(entries, std::move(complete), AddWorker::Pace{app.addProbeJobs, app.addProbeBatch},
                         [&app](int done, int total) { addStepDidRun(app, done, total); });
}
} // namespace

bool AppDelegate::isAdding() const { return (addWorker && addWorker->isRunning()) || !pendingAdds.isEmpty(); }

namespace {
// The add panels open where the user added from last, else in the music folder.
QString addStartFolder(const AppDelegate &app)
{
    return startfolder::pick(app.services().preferences->string(prefkeys::kLastAddedFolder), fs::musicFolder(),
                             QDir::homePath(), fs::isFolder);
}

void rememberAddedFolder(AppDelegate &app, const QString &folder)
{
    app.services().preferences->setString(prefkeys::kLastAddedFolder, folder);
}

// True when the add found nothing at all: no entry, and no file it had to
// leave out (those are named in their own alert).
bool foundNothing(const filelist::AddCandidates &candidates)
{
    return candidates.entries.isEmpty() && candidates.notAdded.isEmpty();
}

// Says that an add found no audio file. For a folder added without its
// subfolders whose subfolders hold audio files, the alert offers to add
// those: the answer gives the entries of the whole tree, else none.
filelist::AddCandidates alertNothingFound(AppDelegate &app, filelist::AddKind kind, const QStringList &folders)
{
    filelist::AddCandidates tree;
    if (kind == filelist::AddKind::Folder) {
        addTreeFiles(tree, folders.first());
        filelist::expandSheets(tree);
    }
    const filelist::NothingFoundAlert alert = filelist::nothingFound(kind, folders, int(tree.entries.size()));
    const int pressed = app.services().prompts->alert(alert.message, alert.informative, alert.buttons);
    if (alert.addWithSubfoldersButton >= 0 && pressed == alert.addWithSubfoldersButton)
        return tree;
    return {};
}
} // namespace

void AppDelegate::OnUserToolbarAddVideos()
{
    if (isAdding())
        return;
    const QStringList files = m_services.prompts->chooseFiles(QCoreApplication::translate("AppDelegate", kAddFilesMessage),
                                                              filelist::addableExtensions(), addStartFolder(*this));
    if (files.isEmpty())
        return;
    const QString folder = QFileInfo(files.first()).absolutePath();
    rememberAddedFolder(*this, folder);
    filelist::AddCandidates candidates;
    // A name typed into the panel can get past its filter; it is held to the same rule.
    for (const QString &file : files)
        if (filelist::isAcceptedFile(file))
            filelist::addChosenFile(candidates, file);
    filelist::expandSheets(candidates);
    if (foundNothing(candidates))
        alertNothingFound(*this, filelist::AddKind::Files, {folder});
    noteNotAdded(*this, candidates);
    beginAdd(*this, candidates.entries);
}

void AppDelegate::OnUserToolbarAddFolder()
{
    if (isAdding())
        return;
    const QString folder = m_services.prompts->chooseFolderToAdd(QString(), addStartFolder(*this));
    if (folder.isEmpty())
        return;
    rememberAddedFolder(*this, folder);
    filelist::AddCandidates candidates;
    filelist::addFolderFiles(candidates, folder);
    filelist::expandSheets(candidates);
    if (foundNothing(candidates))
        candidates = alertNothingFound(*this, filelist::AddKind::Folder, {folder});
    noteNotAdded(*this, candidates);
    beginAdd(*this, candidates.entries);
}

void AppDelegate::OnMenuAddFolderAndSubfolders()
{
    if (isAdding())
        return;
    const QString folder = m_services.prompts->chooseFolderToAdd(
        tr("Choose a folder: its audio files and those of all its subfolders are added."), addStartFolder(*this));
    if (folder.isEmpty())
        return;
    rememberAddedFolder(*this, folder);
    filelist::AddCandidates candidates;
    addTreeFiles(candidates, folder);
    filelist::expandSheets(candidates);
    if (foundNothing(candidates))
        alertNothingFound(*this, filelist::AddKind::FolderAndBelow, {folder});
    noteNotAdded(*this, candidates);
    beginAdd(*this, candidates.entries);
}

namespace {
// Files and folders given on the command line or dropped on the list: files
// as the Add Files panel takes them, folders with all their subfolders, each
// file keeping its folder relative to the one given. Paths that do not exist
// are skipped. When the folders among them hold no audio file (and no file
// was added), the alert says so.
void addGivenPaths(AppDelegate &app, const QStringList &paths)
{
    filelist::AddCandidates candidates;
    QStringList folders;
    for (const QString &given : paths) {
        const QFileInfo info(given);
        if (!info.exists())
            continue;
        const QString path = QDir::cleanPath(info.absoluteFilePath());
        if (info.isDir()) {
            folders << path;
            addTreeFiles(candidates, path);
        } else if (filelist::isAcceptedFile(path)) {
            filelist::addChosenFile(candidates, path);
        }
    }
    filelist::expandSheets(candidates);
    if (foundNothing(candidates) && !folders.isEmpty())
        alertNothingFound(app, filelist::AddKind::FolderAndBelow, folders);
    noteNotAdded(app, candidates);
    if (app.isAdding())
        app.pendingAdds << candidates.entries;
    else
        beginAdd(app, candidates.entries);
}
} // namespace

void AppDelegate::addPaths(const QStringList &paths)
{
    // A file manager's "Open With" on a music folder means the music in it,
    // however deep: the album folders below an artist's folder.
    addGivenPaths(*this, paths);
}

void AppDelegate::addDroppedPaths(const QStringList &paths)
{
    // Whoever drops an album tree wants all of it.
    addGivenPaths(*this, paths);
}

QString AppDelegate::GetMediaFileDuration(const QString &path)
{
    return filelist::probeDurationText(sffmpegPath, path);
}

qint64 AppDelegate::Return_Seconds_From_Duration_Str(const QString &duration)
{
    return filelist::secondsFromDurationText(duration);
}

} // namespace quavero
