// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/FailureReason.h"

#include <QRegularExpression>
#include <QStringList>

namespace quavero {

namespace failure {
namespace {
constexpr int kMaxLength = 200;
// A long line is cut in its middle: its start names what was being done (often
// a path), its end the cause ("File name too long", "No space left on device").
constexpr int kKeptStart = 60;

bool saysNothing(const QString &line)
{
    static const QRegularExpression progressLine(QStringLiteral("^(size=|video:|frame=|\\[out#)|time=.*bitrate="));
    return line.isEmpty() || line == QLatin1String("Conversion failed!") || progressLine.match(line).hasMatch();
}
} // namespace

QString lastMeaningfulLine(const QByteArray &output)
{
    static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
    const QStringList lines = QString::fromUtf8(output).split(lineBreak);
    for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
        const QString line = it->trimmed();
        if (saysNothing(line))
            continue;
        if (line.size() <= kMaxLength)
            return line;
        const QString gap = QStringLiteral("...");
        return line.left(kKeptStart) + gap + line.right(kMaxLength - kKeptStart - gap.size());
    }
    return QString();
}

QString exitReason(const QString &program, int exitCode, const QByteArray &output)
{
    const QString line = lastMeaningfulLine(output);
    if (line.isEmpty())
        return QStringLiteral("%1 failed with exit status %2").arg(program).arg(exitCode);
    return QStringLiteral("%1 failed: %2").arg(program, line);
}
} // namespace failure

} // namespace quavero
