// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirror/core/KeptNames.h"

#include <QRegularExpression>
#include <QSet>

namespace quavero {

namespace mirror {
namespace {
// The position of the extension's dot in the last part of path, or -1.
qsizetype extensionDot(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot > path.lastIndexOf(QLatin1Char('/')) + 1 ? dot : -1;
}
} // namespace

int formNumber(const QString &recorded, const QString &planned)
{
    const QString have = recorded.toCaseFolded();
    const QString want = planned.toCaseFolded();
    if (have == want)
        return 1;
    const qsizetype dot = extensionDot(want);
    const QString stem = dot < 0 ? want : want.left(dot);
    const QString extension = dot < 0 ? QString() : want.mid(dot);
    if (!have.endsWith(extension))
        return 0;
    static const QRegularExpression numberedTail(QStringLiteral("^ \\(([0-9]{1,9})\\)$"));
    const QString haveStem = have.left(have.size() - extension.size());
    if (!haveStem.startsWith(stem))
        return 0;
    const QRegularExpressionMatch match = numberedTail.match(haveStem.mid(stem.size()));
    if (!match.hasMatch())
        return 0;
    const int number = match.captured(1).toInt();
    return number >= 2 && !match.captured(1).startsWith(QLatin1Char('0')) ? number : 0;
}

QStringList keptOutputs(const RecordTable &record, const QList<NamedEntry> &entries)
{
    QStringList kept;
    kept.reserve(entries.size());
    QSet<QString> taken;
    for (const NamedEntry &entry : entries) {
        QString best;
        int bestNumber = 0;
        for (const RecordRow &row : record.forInput(entry.input)) {
            const int number = formNumber(row.output, entry.planned);
            if (number == 0 || taken.contains(row.output))
                continue;
            if (bestNumber == 0 || number < bestNumber) {
                best = row.output;
                bestNumber = number;
            }
        }
        if (!best.isEmpty())
            taken.insert(best);
        kept << best;
    }
    return kept;
}
} // namespace mirror

} // namespace quavero
