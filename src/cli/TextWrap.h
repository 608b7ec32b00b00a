// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Lists of words for an 80-column terminal: joined with ", " and wrapped onto
// lines that start with the given indent.
#include <QString>
#include <QStringList>

namespace quavero {

namespace cli {
// firstColumn: where the first word starts on its line (the text before it is
// the caller's); later lines start with indent spaces.
QString wrappedList(const QStringList &words, int firstColumn, int indent, int width = 79);
} // namespace cli

} // namespace quavero
