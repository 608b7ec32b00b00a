// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/core/NumberText.h"

#include <limits>

namespace quavero {

qint64 leadingInteger(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    const bool negative = i < text.size() && text[i] == QLatin1Char('-');
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        ++i;
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    qint64 value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        const int digit = text[i].unicode() - '0';
        if (value > (kMax - digit) / 10)
            return negative ? std::numeric_limits<qint64>::min() : kMax;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

qint64 clockSeconds(QStringView text)
{
    const auto field = [text](qsizetype from) { return from < text.size() ? text.mid(from, 2) : QStringView(); };
    return leadingInteger(field(0)) * 3600 + leadingInteger(field(3)) * 60 + leadingInteger(field(6));
}

} // namespace quavero
