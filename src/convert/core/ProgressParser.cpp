// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/ProgressParser.h"

#include "common/core/NumberText.h"

#include <QByteArray>
#include <cmath>

namespace quavero {

namespace progress {
namespace {
constexpr int kMarkerLength = 5; // "time="
constexpr int kFieldLength = 8;  // "hh:mm:ss"
constexpr int kFullLength = kMarkerLength + kFieldLength;
} // namespace

quint64 Return_Seconds_From_VOB_Duration_Str(const QString &text)
{
    const qint64 total = clockSeconds(text);
    return total < 0 ? 0 : quint64(total);
}

std::optional<QString> lastTimeField(const QString &chunk)
{
    const QString marker = QStringLiteral("time=");
    qsizetype candidate = chunk.indexOf(marker, 0, Qt::CaseSensitive);
    if (candidate < 0 || chunk.size() - candidate < kFullLength)
        return std::nullopt;
    for (;;) {
        const qsizetype next = chunk.indexOf(marker, candidate + kFullLength, Qt::CaseInsensitive);
        if (next < 0 || chunk.size() - next < kFullLength)
            break;
        candidate = next;
    }
    return chunk.mid(candidate + kMarkerLength, kFieldLength);
}

ProgressReading percentOf(quint64 seconds, quint64 durationSeconds)
{
    if (durationSeconds == 0)
        return {true, 0};
    const float percent = float(seconds) * 100.0f / float(durationSeconds);
    if (!std::isfinite(percent))
        return {true, 0};
    return {false, percent > 100.0f ? 100 : int(percent)};
}

std::optional<ProgressReading> readChunk(const QByteArray &chunk, quint64 durationSeconds)
{
    if (chunk.isEmpty())
        return std::nullopt;
    const std::optional<QString> field = lastTimeField(QString::fromUtf8(chunk));
    if (!field)
        return std::nullopt;
    return percentOf(Return_Seconds_From_VOB_Duration_Str(*field), durationSeconds);
}
} // namespace progress

} // namespace quavero
