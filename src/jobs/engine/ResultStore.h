// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The results of a job list's jobs: one file per job, "<list>.results/N.json"
// beside the list. Each is written under a temporary name of the writing
// host and process, flushed and renamed over the result's name, so that a
// reader finds the old result or the new one, never a part, even when two
// workers ran the same job at once.
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

#include "jobs/core/JobResult.h"

namespace quavero {

class ResultStore {
public:
    // listPath: the job list the results belong to.
    explicit ResultStore(const QString &listPath);
    QString folder() const { return m_folder; }
    QString pathOf(qint64 index) const;

    // The job's result, if there is a readable one; *problem says why a
    // result that is there cannot be read.
    std::optional<JobResult> read(qint64 index, QString *problem = nullptr) const;
    // Writes the result, making the folder when it is missing; false, with
    // the reason, when it cannot.
    bool write(const JobResult &result, QString *error) const;
    // Every readable result of the plan planId for jobs 0 to count-1;
    // results that cannot be read, or belong to another plan, are left out
    // and named in *problems.
    QHash<qint64, JobResult> readAll(const QString &planId, qint64 count, QStringList *problems) const;

private:
    QString m_folder;
};

} // namespace quavero
