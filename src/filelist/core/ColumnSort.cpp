// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/core/ColumnSort.h"

#include <algorithm>
#include <vector>

namespace quavero {

namespace filelist {
QString columnText(const NodeVideoFile &entry, int column)
{
    switch (column) {
    case NameColumn:
        return entry.s_File_Name_Without_Extension();
    case ExtensionColumn:
        return entry.s_File_Extension();
    case SizeColumn:
        return entry.s_File_Size();
    case DurationColumn:
        return entry.s_Duration();
    default:
        return QString();
    }
}

std::optional<bool> takeSortDirection(SortFlags &flags, int column)
{
    if (column < 0 || column >= kColumnCount)
        return std::nullopt;
    const bool ascending = flags[column] != 0;
    for (int c = 0; c < kColumnCount; ++c)
        flags[c] = (c == column) ? quint8(ascending ? 0 : 1) : quint8(0);
    return ascending;
}

ColumnSorter::ColumnSorter(const NaturalOrder &order) : m_order(order) {}

QCollatorSortKey ColumnSorter::keyOf(const QString &text)
{
    auto found = m_keys.constFind(text);
    if (found == m_keys.constEnd())
        found = m_keys.insert(text, m_order.sortKey(text));
    return *found;
}

void ColumnSorter::sort(QList<NodeVideoFile> &entries, int column, bool ascending)
{
    if (column < 0 || column >= kColumnCount)
        return;
    // Keys that grew far beyond the list belong mostly to entries long gone.
    if (m_keys.size() > 2 * entries.size() + 1024)
        m_keys.clear();

    const int count = int(entries.size());
    std::vector<int> order(count);
    for (int i = 0; i < count; ++i)
        order[i] = i;
    if (column == SizeColumn) {
        std::vector<quint64> bytes(count);
        for (int i = 0; i < count; ++i)
            bytes[i] = entries[i].u_File_Size_Bytes();
        if (ascending)
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return bytes[a] < bytes[b]; });
        else
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return bytes[b] < bytes[a]; });
    } else {
        std::vector<QCollatorSortKey> keys;
        keys.reserve(count);
        for (const NodeVideoFile &entry : entries)
            keys.push_back(keyOf(columnText(entry, column)));
        if (ascending)
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[a].compare(keys[b]) < 0; });
        else
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[b].compare(keys[a]) < 0; });
    }

    QList<NodeVideoFile> sorted;
    sorted.reserve(count);
    for (int i : order)
        sorted << std::move(entries[i]);
    entries = std::move(sorted);
}
} // namespace filelist

} // namespace quavero
