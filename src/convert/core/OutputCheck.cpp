// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/OutputCheck.h"

#include "convert/core/FailureReason.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

namespace quavero {

namespace outputcheck {
namespace {
struct Cause {
    const char *text;
    WriteError kind;
};
// Causes first: a line that names one says best what happened.
constexpr Cause kCauses[] = {
    {"No space left on device", WriteError::DiskFull},
    {"Disk quota exceeded", WriteError::QuotaUsedUp},
    {"File too large", WriteError::FileTooLarge},
};
// Lines that tell of a failed write without naming a cause.
constexpr const char *kFailedWrites[] = {
    "Error writing trailer",     "Error closing file",    "av_interleaved_write_frame()",
    "error writing output file", "Error muxing a packet",
};

double seconds(const QRegularExpressionMatch &m)
{
    return m.captured(1).toDouble() * 3600 + m.captured(2).toDouble() * 60 + m.captured(3).toDouble();
}
} // namespace

WriteProblem findWriteError(const QByteArray &output)
{
    static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
    const QStringList lines = QString::fromUtf8(output).split(lineBreak, Qt::SkipEmptyParts);
    for (const Cause &cause : kCauses)
        for (const QString &line : lines)
            if (line.contains(QLatin1String(cause.text), Qt::CaseInsensitive))
                return {cause.kind, line.trimmed()};
    for (const char *failed : kFailedWrites)
        for (const QString &line : lines)
            if (line.contains(QLatin1String(failed), Qt::CaseInsensitive))
                return {WriteError::Other, line.trimmed()};
    return {};
}

std::optional<qint64> reportedKiB(const QByteArray &output)
{
    static const QRegularExpression size(QStringLiteral("size=\\s*(\\d+)\\s*(?:kB|KiB)"));
    std::optional<qint64> last;
    for (auto it = size.globalMatch(QString::fromUtf8(output)); it.hasNext();)
        last = it.next().captured(1).toLongLong();
    return last;
}

bool sizeMatchesReport(qint64 fileBytes, qint64 reportedKiB)
{
    // "%8.0fkB" rounds to the nearest KiB; one KiB of slack covers it.
    return fileBytes >= 0 && std::abs(double(fileBytes) / 1024.0 - double(reportedKiB)) <= 1.0;
}

std::optional<double> reportedDuration(const QString &text)
{
    static const QString marker = QStringLiteral("Duration:");
    static const QRegularExpression duration(QStringLiteral("^\\s*(\\d+):(\\d\\d):(\\d\\d(?:\\.\\d+)?)"));
    const qsizetype at = text.indexOf(marker);
    const QRegularExpressionMatch m = duration.match(at >= 0 ? text.mid(at + marker.size()) : text);
    if (!m.hasMatch())
        return std::nullopt;
    return seconds(m);
}

std::optional<double> writtenSeconds(const QByteArray &output)
{
    static const QRegularExpression time(QStringLiteral("time=\\s*(\\d+):(\\d\\d):(\\d\\d(?:\\.\\d+)?)"));
    std::optional<double> last;
    for (auto it = time.globalMatch(QString::fromUtf8(output)); it.hasNext();)
        last = seconds(it.next());
    return last;
}

bool durationIsEstimate(const QByteArray &output) { return output.contains("Estimating duration from bitrate"); }

QString shortOutputWarning(double written, double expected)
{
    const double missing = expected - written;
    if (expected <= 0 || missing <= std::max(0.02 * expected, 0.5))
        return QString();
    return QCoreApplication::translate("OutputCheck", "only %1 s of %2 s could be read; the file may be damaged")
        .arg(QString::number(written, 'f', 1), QString::number(expected, 'f', 1));
}
} // namespace outputcheck

namespace outputcheck {
QString writeFailureReason(const WriteProblem &problem)
{
    switch (problem.kind) {
    case WriteError::FileTooLarge:
        return QCoreApplication::translate("OutputCheck",
                                           "the file is too large for the file system of the destination");
    case WriteError::Other:
        return QCoreApplication::translate("OutputCheck", "the converted file could not be written: %1")
            .arg(failure::lastMeaningfulLine(problem.line.toUtf8()));
    case WriteError::None:
    case WriteError::DiskFull:
    case WriteError::QuotaUsedUp:
        break;
    }
    return QString();
}
} // namespace outputcheck

} // namespace quavero
