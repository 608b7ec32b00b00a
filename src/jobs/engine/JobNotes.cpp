// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/engine/JobNotes.h"

#include "mirror/engine/FileStamps.h"

#include <QDateTime>
#include <QSysInfo>

namespace quavero {

JobNotes::JobNotes(const ResultStore &store, const QString &planId)
    : m_store(store), m_planId(planId), m_host(QSysInfo::machineHostName())
{
}

void JobNotes::started(qint64 job, const QString &inputPath)
{
    Started &s = m_started[job];
    s.clock.start();
    s.input = mirror::stampOf(inputPath).value_or(FileStamp{});
}

void JobNotes::ended(qint64 job, EntryState state, const ConversionResult &result)
{
    if (state != EntryState::Converted && state != EntryState::Failed)
        return;
    JobResult r;
    r.index = job;
    r.status = state == EntryState::Converted ? JobStatus::Done : JobStatus::Failed;
    const auto s = m_started.constFind(job);
    if (s != m_started.constEnd()) {
        r.seconds = double(s->clock.elapsed()) / 1000.0;
        r.input = s->input;
    }
    if (r.status == JobStatus::Done) {
        r.output = mirror::outputStampOf(result.finalPath).value_or(FileStamp{});
        r.warnings = result.warnings;
    } else {
        r.reason = result.reason;
        r.rawMessage = result.rawMessage;
        r.programs = result.programs;
    }
    write(r);
}

void JobNotes::failed(qint64 job, const QString &inputPath, const QString &reason)
{
    JobResult r;
    r.index = job;
    r.status = JobStatus::Failed;
    r.reason = reason;
    r.input = mirror::stampOf(inputPath).value_or(FileStamp{});
    write(r);
}

void JobNotes::write(JobResult result)
{
    result.planId = m_planId;
    result.host = m_host;
    result.finished = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    QString error;
    if (!m_store.write(result, &error))
        m_problems << error;
}

} // namespace quavero
