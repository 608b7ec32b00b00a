#pragma once
// The file table's columns and how a click on a column header sorts the list.
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "filelist/core/NaturalOrder.h"
#include "filelist/core/NodeVideoFile.h"

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

using EntryLessThan = std::function<bool(const NodeVideoFile &, const NodeVideoFile &)>;
// "Sorts before" for a column: the size column by byte count (so 9.50 MB comes
// after 10.00 KB), the others by their text in natural order. Entries that
// compare equal are left to a stable sort to keep in their order. The order
// must outlive the returned function.
EntryLessThan columnLessThan(int column, bool ascending, const NaturalOrder &order);
} // namespace filelist
