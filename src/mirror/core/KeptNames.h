// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbered outputs stay with their inputs. When two entries of a run share a
// name, one of them writes "01 Intro (2).mp3"; on every later run the same
// input must get that same name again, whatever the order of the list, or
// both outputs would be converted again and swapped. The planner asks the
// record which name each entry keeps before it numbers the others. Pure.
#include <QList>
#include <QString>
#include <QStringList>

#include "mirror/core/RecordTable.h"

namespace quavero {

struct NamedEntry {
    QString input;   // absolute path, as the record stores it
    QString planned; // the output under the entry's own name, relative to the root: "Album/01 Intro.mp3"
};

namespace mirror {
// The number that makes recorded a form of planned: 1 when it is planned
// itself, N for "<planned name> (N)<extension>" in the same folder (N of 2 or
// more), 0 when it is neither. Names are compared without letter case, as the
// planner compares them.
int formNumber(const QString &recorded, const QString &planned);

// For each entry, in the order given, the output it keeps: the record's
// output for its input that is a form of its planned name (its own name
// before numbered ones, lower numbers first), or empty when it has none. No
// two entries keep the same output. The planner claims these names first,
// then numbers the remaining entries around them.
QStringList keptOutputs(const RecordTable &record, const QList<NamedEntry> &entries);
} // namespace mirror

} // namespace quavero
