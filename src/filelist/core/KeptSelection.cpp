// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/core/KeptSelection.h"

#include <QAbstractItemModel>
#include <QItemSelectionModel>

namespace quavero {

KeptSelection KeptSelection::take(const QItemSelectionModel &selection, int keyRole)
{
    KeptSelection kept;
    kept.m_keyRole = keyRole;
    const QAbstractItemModel *model = selection.model();
    if (!model)
        return kept;
    for (const QModelIndex &row : selection.selectedRows())
        ++kept.m_selected[model->index(row.row(), 0).data(keyRole).toString()];
    const QModelIndex current = selection.currentIndex();
    if (current.isValid())
        kept.m_current = model->index(current.row(), 0).data(keyRole).toString();
    return kept;
}

void KeptSelection::restore(QItemSelectionModel &selection) const
{
    const QAbstractItemModel *model = selection.model();
    if (!model || isEmpty())
        return;
    QHash<QString, int> left = m_selected;
    QItemSelection rows;
    const int lastColumn = model->columnCount() - 1;
    int runStart = -1; // consecutive rows become one range
    QModelIndex current;
    const int count = model->rowCount();
    for (int row = 0; row <= count; ++row) {
        bool take = false;
        if (row < count) {
            const QString key = model->index(row, 0).data(m_keyRole).toString();
            auto found = left.find(key);
            if (found != left.end() && found.value() > 0) {
                --found.value();
                take = true;
            }
            if (!current.isValid() && !m_current.isEmpty() && key == m_current && (take || !m_selected.contains(key)))
                current = model->index(row, 0);
        }
        if (take && runStart < 0)
            runStart = row;
        if (!take && runStart >= 0) {
            rows.select(model->index(runStart, 0), model->index(row - 1, lastColumn));
            runStart = -1;
        }
    }
    if (current.isValid())
        selection.setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    if (!rows.isEmpty())
        selection.select(rows, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

} // namespace quavero
