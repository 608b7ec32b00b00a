// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What became of one job: a small JSON record of its own beside the job
// list (no shared database: file locking over a network file system cannot
// be trusted, while renaming a whole file can). It says whether the job was
// done, why it failed, on which host, how long it took, and the stamps of
// the output it wrote and of the input it read. Pure.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "convert/core/EntryDetails.h"
#include "mirror/core/RecordRow.h"

namespace quavero {

enum class JobStatus { Done, Failed };

struct JobResult {
    QString planId;
    qint64 index = 0;
    JobStatus status = JobStatus::Failed;
    QString reason; // why it failed, in plain words
    QString host;
    double seconds = 0;
    FileStamp output;     // the output as it was written; size -1 when there is none
    FileStamp input;      // the input as it was when the job started
    QStringList warnings; // of a job done all the same ("tags not copied: ...")
    QString finished;     // when it ended, UTC, ISO 8601
    // For a failed job: the programs' own words and the commands that ran.
    QString rawMessage;
    QList<ProgramOutput> programs;
};

namespace jobs {
QByteArray resultText(const JobResult &result);
// False, with the reason, when the text is not a job's result.
bool readResult(const QByteArray &text, JobResult *result, QString *error);

// True when the job need not run again: its result, of this plan, says done,
// and its output is there with the size and modification time the result
// noted (a file published whole, and not another one since).
bool alreadyDone(const std::optional<JobResult> &result, const QString &planId, const std::optional<FileStamp> &outputNow);
} // namespace jobs

} // namespace quavero
