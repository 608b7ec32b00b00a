// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirror/core/Orphans.h"

#include <QDir>

namespace quavero {

namespace mirror {
OrphanDecision orphans(const RecordTable &record, const OrphanQuestion &question)
{
    OrphanDecision decision;
    const QString root = QDir::cleanPath(question.root) + QLatin1Char('/');
    for (int i = 0; i < record.size(); ++i) {
        const RecordRow row = record.at(i);
        if (question.runInputs.contains(row.input))
            continue;
        const PathProblem problem = checkRecordedPath(row.output, question.throughLink);
        if (problem != PathProblem::None) {
            decision.refused.append({row.output, problem});
            continue;
        }
        // An output that is itself an input of this run stays, whatever the
        // record says.
        if (question.runInputs.contains(root + row.output))
            continue;
        const std::optional<FileStamp> now = question.stampOf(row.output);
        if (!now)
            decision.forget << row.output;
        else if (*now != row.outputStamp)
            decision.keptChanged << row.output;
        else
            decision.remove << row;
    }
    return decision;
}
} // namespace mirror

} // namespace quavero
