// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A job list on disk. Writing puts the whole list under a temporary name
// beside the final one and renames it, so that a worker never reads half a
// list. Reading checks the first line and that the list holds exactly as
// many job lines as it says (a list cut short is unusable); a job's line is
// read and checked when it is asked for, so that a worker of a list of
// millions reads only its own lines.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QVector>

#include "jobs/core/JobEntries.h"
#include "jobs/core/JobList.h"

namespace quavero {

namespace jobs {
// Writes the list to path; false, with the reason, when it cannot.
bool writeList(const QString &path, const JobListDraft &list, QString *error);
} // namespace jobs

class JobListFile {
public:
    // False, with error() saying why, when the list cannot be used.
    bool open(const QString &path);
    QString error() const { return m_error; }
    QString path() const { return m_file.fileName(); }
    const JobListHeader &header() const { return m_header; }
    qint64 count() const { return m_header.jobCount; }
    // The job at index (0 <= index < count()); false, with the reason ("line
    // 7: ..."), when its line cannot be used.
    bool job(qint64 index, JobLine *job, QString *error) const;

private:
    QByteArray line(qint64 number) const; // 0: the first line

    QFile m_file;
    QByteArray m_read;            // the list, when it could not be mapped
    const char *m_data = nullptr; // the list's bytes, mapped or read
    qint64 m_size = 0;
    QVector<qint64> m_starts; // where each line begins
    JobListHeader m_header;
    QString m_error;
};

} // namespace quavero
