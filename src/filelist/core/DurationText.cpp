#include "filelist/core/DurationText.h"

namespace filelist {
namespace {
constexpr int kDurationTextLength = 11;

// The leading decimal integer of a short field: optional blanks, an optional
// sign, then ASCII digits; 0 when no digit comes.
qint64 leadingNumber(QStringView field)
{
    int i = 0;
    while (i < field.size() && field[i].isSpace())
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == QLatin1Char('-') || field[i] == QLatin1Char('+')))
        negative = field[i++] == QLatin1Char('-');
    qint64 value = 0;
    for (; i < field.size() && field[i] >= QLatin1Char('0') && field[i] <= QLatin1Char('9'); ++i)
        value = value * 10 + (field[i].unicode() - '0');
    return negative ? -value : value;
}
} // namespace

QString durationTextFromReport(const QString &report)
{
    static const QString marker = QStringLiteral("Duration:");
    const qsizetype at = report.indexOf(marker);
    if (at < 0)
        return QString();
    const qsizetype start = at + marker.size();
    if (report.size() - start < kDurationTextLength)
        return QString();
    return report.mid(start, kDurationTextLength);
}

qint64 secondsFromDurationText(const QString &text)
{
    const QStringView view(text);
    auto field = [&view](qsizetype from) { return from < view.size() ? view.mid(from, 2) : QStringView(); };
    return leadingNumber(field(1)) * 3600 + leadingNumber(field(4)) * 60 + leadingNumber(field(7));
}
} // namespace filelist
