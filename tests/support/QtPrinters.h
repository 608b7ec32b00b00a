// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Readable failure messages for Qt strings in GoogleTest expectations.
#include <QString>
#include <QStringList>
#include <ostream>

namespace quavero {

inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

inline void PrintTo(const QStringList &list, std::ostream *out)
{
    *out << '{';
    for (int i = 0; i < list.size(); ++i)
        *out << (i ? ", " : "") << '"' << list.at(i).toStdString() << '"';
    *out << '}';
}

} // namespace quavero
