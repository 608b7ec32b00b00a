#include "filelist/SelectedRows.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

QList<int> selectedRows(const QAbstractItemView *view)
{
    QList<int> rows;
    if (!view || !view->model() || !view->selectionModel())
        return rows;
    // Testing every row, rather than reading the selection's ranges, gives
    // each row once and in order however the selection was made.
    const int count = view->model()->rowCount();
    for (int row = 0; row < count; ++row)
        if (view->selectionModel()->isRowSelected(row, QModelIndex()))
            rows << row;
    return rows;
}
