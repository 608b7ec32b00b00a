// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/core/DurationText.h"

#include "common/core/NumberText.h"

namespace quavero {

namespace filelist {
namespace {
constexpr int kDurationTextLength = 11;
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
    // The text starts with the blank that follows "Duration:".
    return text.isEmpty() ? 0 : clockSeconds(QStringView(text).mid(1));
}
} // namespace filelist

} // namespace quavero
