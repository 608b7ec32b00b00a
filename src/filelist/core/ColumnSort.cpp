#include "filelist/core/ColumnSort.h"

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

EntryLessThan columnLessThan(int column, bool ascending, const NaturalOrder &order)
{
    std::function<int(const NodeVideoFile &, const NodeVideoFile &)> compare;
    if (column == SizeColumn) {
        compare = [](const NodeVideoFile &a, const NodeVideoFile &b) {
            return a.u_File_Size_Bytes() < b.u_File_Size_Bytes() ? -1 : (a.u_File_Size_Bytes() > b.u_File_Size_Bytes() ? 1 : 0);
        };
    } else {
        compare = [column, &order](const NodeVideoFile &a, const NodeVideoFile &b) {
            return order.compare(columnText(a, column), columnText(b, column));
        };
    }
    if (ascending)
        return [compare](const NodeVideoFile &a, const NodeVideoFile &b) { return compare(a, b) < 0; };
    return [compare](const NodeVideoFile &a, const NodeVideoFile &b) { return compare(b, a) < 0; };
}
} // namespace filelist
