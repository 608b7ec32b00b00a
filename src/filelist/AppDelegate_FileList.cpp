// SPDX-License-Identifier: GPL-3.0-or-later
// Input file list operations of the controller: Add Files, Add Folder, Add
// Folder and Subfolders and dropped files (all through one add worker and its
// progress sheet), the duration probe, the table, sorting by a header click,
// Remove and Clear.
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
#include "filelist/AddWorker.h"
#include "filelist/engine/AddCandidates.h"
#include "filelist/engine/DurationProbe.h"
#include "filelist/engine/FolderTree.h"
#include "filelist/FileDropFilter.h"
#include "filelist/FileTableModel.h"
#include "filelist/SelectedRows.h"
#include "filelist/Window_Progress.h"
#include "filelist/core/AcceptedFiles.h"
#include "filelist/core/ColumnSort.h"
#include "filelist/core/DurationText.h"
#include "filelist/core/FileEntry.h"
#include "filelist/core/KeptSelection.h"
#include "platform/Prompts.h"
#include "platform/core/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

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

void AppDelegate::setUpFileList()
{
    addWorker = std::make_shared<AddWorker>(arrayVideoFiles);
    if (!tableviewVideoFiles)
        return;
    columnSorter = std::make_shared<filelist::ColumnSorter>();
    fileTableModel = new FileTableModel(
        arrayVideoFiles, [this] { return cellTextColor(); }, this);
    tableviewVideoFiles->setModel(fileTableModel);

    QHeaderView *header = tableviewVideoFiles->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    header->resizeSection(filelist::NameColumn, 320);
    header->resizeSection(filelist::ExtensionColumn, 80);
    header->resizeSection(filelist::SizeColumn, 110);
    connect(header, &QHeaderView::sectionClicked, this, &AppDelegate::sortDescriptorsDidChange);

    // Queued: the add starts after the drag has ended, not inside it.
    auto *drops = new FileDropFilter(tableviewVideoFiles->viewport());
    connect(drops, &FileDropFilter::pathsDropped, this, &AppDelegate::addDroppedPaths, Qt::QueuedConnection);
}

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

void AppDelegate::OnUserToolbarAddVideos()
{
    if (isAdding())
        return;
    const QStringList files = m_services.prompts->chooseFiles(tr(kAddFilesMessage), formats::acceptedExtensions());
    if (files.isEmpty())
        return;
    filelist::AddCandidates candidates;
    // A name typed into the panel can get past its filter; it is held to the same rule.
    for (const QString &file : files)
        if (filelist::isAcceptedFile(file))
            filelist::addChosenFile(candidates, file);
    noteNotAdded(*this, candidates);
    beginAdd(*this, candidates.entries);
}

void AppDelegate::OnUserToolbarAddFolder()
{
    if (isAdding())
        return;
    const QString folder = m_services.prompts->chooseFolderToAdd(QString());
    if (folder.isEmpty())
        return;
    filelist::AddCandidates candidates;
    filelist::addFolderFiles(candidates, folder);
    noteNotAdded(*this, candidates);
    beginAdd(*this, candidates.entries);
}

void AppDelegate::OnMenuAddFolderAndSubfolders()
{
    if (isAdding())
        return;
    const QString folder = m_services.prompts->chooseFolderToAdd(
        tr("Choose a folder: its audio files and those of all its subfolders are added."));
    if (folder.isEmpty())
        return;
    filelist::AddCandidates candidates;
    addTreeFiles(candidates, folder);
    noteNotAdded(*this, candidates);
    beginAdd(*this, candidates.entries);
}

namespace {
// The entries for given files and folders: files as the Add Files panel takes
// them, folders one level deep or with all their subfolders. Paths that do not
// exist are skipped.
filelist::AddCandidates entriesForPaths(const QStringList &paths, bool withSubfolders)
{
    filelist::AddCandidates candidates;
    for (const QString &given : paths) {
        const QFileInfo info(given);
        if (!info.exists())
            continue;
        const QString path = QDir::cleanPath(info.absoluteFilePath());
        if (info.isDir())
            withSubfolders ? addTreeFiles(candidates, path) : filelist::addFolderFiles(candidates, path);
        else if (filelist::isAcceptedFile(path))
            filelist::addChosenFile(candidates, path);
    }
    return candidates;
}

void addOrQueue(AppDelegate &app, const filelist::AddCandidates &candidates)
{
    noteNotAdded(app, candidates);
    if (app.isAdding())
        app.pendingAdds << candidates.entries;
    else
        beginAdd(app, candidates.entries);
}
} // namespace

void AppDelegate::addPaths(const QStringList &paths) { addOrQueue(*this, entriesForPaths(paths, false)); }

void AppDelegate::addDroppedPaths(const QStringList &paths)
{
    // Whoever drops an album tree wants all of it.
    addOrQueue(*this, entriesForPaths(paths, true));
}

QString AppDelegate::GetMediaFileDuration(const QString &path)
{
    return filelist::probeDurationText(sffmpegPath, path);
}

qint64 AppDelegate::Return_Seconds_From_Duration_Str(const QString &duration)
{
    return filelist::secondsFromDurationText(duration);
}

// ---- the table ----

void AppDelegate::refreshTableVideoFiles() { reloadTable(true); }

void AppDelegate::reloadTable(bool keepSelection)
{
    if (!fileTableModel)
        return;
    QItemSelectionModel *selection = tableviewVideoFiles ? tableviewVideoFiles->selectionModel() : nullptr;
    const KeptSelection kept =
        keepSelection && selection ? KeptSelection::take(*selection, FileTableModel::PathRole) : KeptSelection();
    fileTableModel->reload();
    if (!selection || kept.isEmpty())
        return;
    // The same entries as before: the preview that goes with them stays.
    restoringSelection = true;
    kept.restore(*selection);
    restoringSelection = false;
}

void AppDelegate::sortDescriptorsDidChange(int selectedColumn)
{
    filelist::SortFlags flags{m_b_Col1_Ascenging, m_b_Col2_Ascenging, m_b_Col3_Ascenging, m_b_Col4_Ascenging};
    if (const std::optional<bool> ascending = filelist::takeSortDirection(flags, selectedColumn)) {
        const bool up = *ascending;
        filelist::ColumnSorter &sorter = *columnSorter;
        arrayVideoFiles.sort(
            [&sorter, selectedColumn, up](QList<NodeVideoFile> &entries) { sorter.sort(entries, selectedColumn, up); });
        m_b_Col1_Ascenging = flags[0];
        m_b_Col2_Ascenging = flags[1];
        m_b_Col3_Ascenging = flags[2];
        m_b_Col4_Ascenging = flags[3];
        if (tableviewVideoFiles)
            tableviewVideoFiles->horizontalHeader()->setSortIndicator(selectedColumn, *ascending ? Qt::AscendingOrder
                                                                                                 : Qt::DescendingOrder);
    }
    refreshTableVideoFiles();
}

void AppDelegate::OnUserToolbarRemove()
{
    bool removed = false;
    if (!isAdding()) {
        const QList<int> rows = selectedRows(tableviewVideoFiles);
        if (!rows.isEmpty()) {
            arrayVideoFiles.removeAt(rows);
            removed = true;
        }
    }
    // What was selected is gone: nothing stays selected.
    reloadTable(!removed);
}

void AppDelegate::OnUserToolbarClear()
{
    const bool clearing = !isAdding();
    if (clearing) {
        arrayVideoFiles.clear();
        if (columnSorter)
            columnSorter->forget();
    }
    reloadTable(!clearing);
}

} // namespace quavero
