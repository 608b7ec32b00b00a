// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TextWrap.h"

namespace quavero {

namespace cli {
QString wrappedList(const QStringList &words, int firstColumn, int indent, int width)
{
    QString out;
    int column = firstColumn;
    for (int i = 0; i < words.size(); ++i) {
        const QString word = words.at(i) + (i + 1 < words.size() ? QStringLiteral(",") : QString());
        if (i > 0 && column + 1 + word.size() > width) {
            out += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            column = indent;
        } else if (i > 0) {
            out += QLatin1Char(' ');
            ++column;
        }
        out += word;
        column += int(word.size());
    }
    return out;
}
} // namespace cli

} // namespace quavero
