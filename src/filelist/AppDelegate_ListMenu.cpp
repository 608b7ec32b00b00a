// SPDX-License-Identifier: GPL-3.0-or-later
// The file list's context menu, opened by a right click on the list, by the
// menu key or by Shift+F10: Play, Remove, Show in Folder and the options of
// the chosen output format. It is built in the main window's layout from the
// same commands as the menu bar, so their states and keys are the same.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "filelist/SelectedRows.h"
#include "platform/Desktop.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTableView>

namespace quavero {

void AppDelegate::setUpListMenu()
{
    if (!window || !tableviewVideoFiles)
        return;
    // The main window's layout holds the menu and its Show in Folder item.
    listMenu = window->findChild<QMenu *>(QStringLiteral("menuFileList"));
    menuItemShowInFolder = window->findChild<QAction *>(QStringLiteral("menuItemShowInFolder"));
    if (!listMenu || !menuItemShowInFolder)
        return;
    connect(menuItemShowInFolder, &QAction::triggered, this, &AppDelegate::OnMenuShowInFolder);

    QTableView *table = tableviewVideoFiles;
    table->setContextMenuPolicy(Qt::CustomContextMenu);
    // The position is in the viewport's coordinates for a scroll area.
    connect(table, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { showListMenu(tableviewVideoFiles->viewport()->mapToGlobal(at)); });
    // Shift+F10 opens it too, as on every desktop, under the current row.
    auto *fromKeyboard = new QAction(table);
    fromKeyboard->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    fromKeyboard->setShortcutContext(Qt::WidgetShortcut);
    table->addAction(fromKeyboard);
    connect(fromKeyboard, &QAction::triggered, this, [this] {
        QTableView *view = tableviewVideoFiles;
        const QModelIndex current = view->currentIndex();
        const QRect row = current.isValid() ? view->visualRect(current) : QRect();
        showListMenu(view->viewport()->mapToGlobal(row.isValid() ? row.bottomLeft() : QPoint(0, 0)));
    });
}

void AppDelegate::showListMenu(const QPoint &globalPosition)
{
    if (!listMenu)
        return;
    menuItemShowInFolder->setEnabled(!selectedRows(tableviewVideoFiles).isEmpty());
    listMenu->popup(globalPosition);
}

void AppDelegate::OnMenuShowInFolder()
{
    const QList<int> rows = selectedRows(tableviewVideoFiles);
    if (rows.isEmpty())
        return;
    // The row the user is on, when it is one of the selected.
    const int current = tableviewVideoFiles->currentIndex().row();
    const int row = rows.contains(current) ? current : rows.first();
    m_services.desktop->showFile(arrayVideoFiles.at(row).s_File_Path());
}

} // namespace quavero
