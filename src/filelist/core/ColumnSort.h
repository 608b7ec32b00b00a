// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file table's columns and how a click on a column header sorts the list.
#include <QHash>
#include <QList>
#include <QString>
#include <array>
#include <optional>

#include "filelist/core/NaturalOrder.h"
#include "filelist/core/NodeVideoFile.h"

namespace quavero {

namespace filelist {
// Name, extension, size, duration.
constexpr int kColumnCount = 4;
enum Column { NameColumn = 0, ExtensionColumn = 1, SizeColumn = 2, DurationColumn = 3 };

// The text an entry shows in a column; empty for a column outside 0..3.
QString columnText(const NodeVideoFile &entry, int column);

// The direction flags of the four columns: 1 means the next click on that
// column sorts ascending, 0 descending.
using SortFlags = std::array<quint8, kColumnCount>;
// A click on a column header: the direction to sort in (true ascending), with
// the clicked column's flag flipped and the other three cleared. No direction,
// and the flags unchanged, for a column outside 0..3.
std::optional<bool> takeSortDirection(SortFlags &flags, int column);

// Sorts the list for header clicks. Comparing texts in natural order is
// slow, so each text's collation key is made once and kept for later sorts:
// a sort of thousands of names then only compares keys. Main thread only.
class ColumnSorter {
public:
    explicit ColumnSorter(const NaturalOrder &order = NaturalOrder());

    // Stable sort of entries by a column: the size column by byte count (so
    // 9.50 MB comes after 10.00 KB), the others by their text in natural
    // order. Entries that compare equal keep their order, both ways. A column
    // outside 0..3 leaves entries as they are.
    void sort(QList<NodeVideoFile> &entries, int column, bool ascending);
    // Forgets the kept keys (when the list was emptied, say).
    void forget() { m_keys.clear(); }

private:
    QCollatorSortKey keyOf(const QString &text);

    NaturalOrder m_order;
    QHash<QString, QCollatorSortKey> m_keys;
};
} // namespace filelist

} // namespace quavero
