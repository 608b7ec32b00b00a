// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Putting entries into the file list and selecting rows of the file table,
// without the add commands' panels and worker.
#include <QList>
#include <QString>
#include <QStringList>

class QTableView;

namespace quavero {

class TestApp;

namespace listentries {
// Appends an entry for each path (sizes and durations left empty) and
// reloads the table. The table shows one row per entry afterwards.
void add(TestApp &t, const QStringList &paths);
// Makes exactly these rows the table's selection (none clears it).
void select(QTableView *table, const QList<int> &rows);
} // namespace listentries

} // namespace quavero
