// SPDX-License-Identifier: GPL-3.0-or-later
// The file table of the controller: its model and header, reloading it with
// the selection kept, sorting by a header click, Remove and Clear.
#include "app/AppDelegate.h"

#include "filelist/AddWorker.h"
#include "filelist/FileDropFilter.h"
#include "filelist/FileTableModel.h"
#include "filelist/SelectedRows.h"
#include "filelist/core/ColumnSort.h"
#include "filelist/core/KeptSelection.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTableView>

namespace quavero {

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
    // The name takes whatever width the other columns leave: long names
    // need it, a format, a size and a duration do not.
    header->setStretchLastSection(false);
    header->setSectionResizeMode(filelist::NameColumn, QHeaderView::Stretch);
    header->resizeSection(filelist::ExtensionColumn, 80);
    header->resizeSection(filelist::SizeColumn, 110);
    header->resizeSection(filelist::DurationColumn, 110);
    connect(header, &QHeaderView::sectionClicked, this, &AppDelegate::sortDescriptorsDidChange);

    // Queued: the add starts after the drag has ended, not inside it.
    auto *drops = new FileDropFilter(tableviewVideoFiles->viewport());
    connect(drops, &FileDropFilter::pathsDropped, this, &AppDelegate::addDroppedPaths, Qt::QueuedConnection);
}

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
