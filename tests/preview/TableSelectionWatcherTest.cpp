// SPDX-License-Identifier: GPL-3.0-or-later
// The selection of the file table is followed also after the table was given
// a new model.
#include "preview/TableSelectionWatcher.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <gtest/gtest.h>

namespace quavero {

namespace {
QStandardItemModel *modelWithRows(int rows, QObject *parent)
{
    auto *model = new QStandardItemModel(rows, 2, parent);
    for (int row = 0; row < rows; ++row)
        model->setItem(row, 0, new QStandardItem(QStringLiteral("row %1").arg(row)));
    return model;
}
} // namespace

TEST(TableSelectionWatcher, FollowsTheSelectionAcrossANewModel)
{
    QTableView table;
    table.setSelectionBehavior(QAbstractItemView::SelectRows);
    table.setModel(modelWithRows(3, &table));
    TableSelectionWatcher watcher(&table, nullptr);
    QSignalSpy changed(&watcher, &TableSelectionWatcher::selectionChanged);

    table.selectRow(1);
    EXPECT_EQ(changed.size(), 1);

    table.setModel(modelWithRows(2, &table));
    QCoreApplication::processEvents();
    table.selectRow(0);
    EXPECT_EQ(changed.size(), 2);
}

TEST(TableSelectionWatcher, AViewWithoutAModelYetIsFollowedOnceItHasOne)
{
    QTableView table;
    TableSelectionWatcher watcher(&table, nullptr);
    QSignalSpy changed(&watcher, &TableSelectionWatcher::selectionChanged);
    table.setModel(modelWithRows(2, &table));
    QCoreApplication::processEvents();
    table.selectRow(1);
    EXPECT_EQ(changed.size(), 1);
}

} // namespace quavero
