// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListEntries.h"

#include "TestApp.h"

#include <QFileInfo>
#include <QItemSelectionModel>
#include <QTableView>
#include <QUrl>

namespace quavero {

namespace listentries {
void add(TestApp &t, const QStringList &paths)
{
    for (const QString &path : paths) {
        const QFileInfo info(path);
        NodeVideoFile entry;
        entry.setS_File_URL(QUrl::fromLocalFile(path));
        entry.setS_File_Path(path);
        entry.setS_Folder_Path(info.absolutePath());
        entry.setS_File_Name_Without_Extension(info.completeBaseName());
        entry.setS_File_Extension(QLatin1Char('.') + info.suffix());
        t.app->arrayVideoFiles.append(entry);
    }
    t.app->refreshTableVideoFiles();
}

void select(QTableView *table, const QList<int> &rows)
{
    QItemSelectionModel *selection = table->selectionModel();
    QItemSelection wanted;
    const int lastColumn = table->model()->columnCount() - 1;
    for (int row : rows)
        wanted.select(table->model()->index(row, 0), table->model()->index(row, lastColumn));
    selection->select(wanted, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}
} // namespace listentries

} // namespace quavero
