// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/SelectedRows.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <vector>

namespace quavero {

QList<int> selectedRows(const QAbstractItemView *view)
{
    QList<int> rows;
    if (!view || !view->model() || !view->selectionModel())
        return rows;
    // The selection's ranges are read once, not tested row by row: with
    // thousands of rows and as many ranges, a test per row would take
    // seconds. Ranges may overlap or come in any order; each row counts once.
    const int count = view->model()->rowCount();
    std::vector<bool> selected(count, false);
    for (const QItemSelectionRange &range : view->selectionModel()->selection())
        for (int row = qMax(0, range.top()); row <= range.bottom() && row < count; ++row)
            selected[row] = true;
    for (int row = 0; row < count; ++row)
        if (selected[row])
            rows << row;
    return rows;
}

} // namespace quavero
