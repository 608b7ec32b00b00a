// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/core/ReportParts.h"

namespace quavero {

namespace filelist {
namespace {
// The input number of a line starting at `from` that reads "Input #<k>,",
// or -1 when the line is something else.
int inputNumberAt(const QString &report, qsizetype from)
{
    static const QString marker = QStringLiteral("Input #");
    if (!QStringView(report).mid(from).startsWith(marker))
        return -1;
    qsizetype i = from + marker.size();
    qint64 number = 0;
    const qsizetype digits = i;
    while (i < report.size() && report[i].isDigit() && report[i].unicode() < 128 && number < 1000000)
        number = number * 10 + (report[i++].unicode() - '0');
    if (i == digits || i >= report.size() || report[i] != QLatin1Char(','))
        return -1;
    return int(number);
}
} // namespace

QStringList reportPartsByInput(const QString &report)
{
    // Starts of the parts: the lines "Input #0,", "Input #1," ... in sequence.
    QList<qsizetype> starts;
    for (qsizetype line = 0; line < report.size();) {
        if (inputNumberAt(report, line) == int(starts.size()))
            starts << line;
        const qsizetype end = report.indexOf(QLatin1Char('\n'), line);
        if (end < 0)
            break;
        line = end + 1;
    }
    QStringList parts;
    for (qsizetype k = 0; k < starts.size(); ++k) {
        const qsizetype end = k + 1 < starts.size() ? starts[k + 1] : report.size();
        parts << report.mid(starts[k], end - starts[k]);
    }
    return parts;
}
} // namespace filelist

} // namespace quavero
