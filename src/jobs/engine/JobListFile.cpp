// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/engine/JobListFile.h"

#include "jobs/core/JobListText.h"
#include "jobs/core/JobsText.h"
#include "platform/core/FileSystem.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstring>

namespace quavero {

namespace jobs {
namespace {
// A name of its own beside the list, for each process that writes it.
QString temporaryFor(const QString &path)
{
    const QFileInfo info(path);
    return info.absolutePath() +
           QStringLiteral("/.%1.%2.part").arg(info.fileName()).arg(QCoreApplication::applicationPid());
}
} // namespace

bool writeList(const QString &path, const JobListDraft &list, QString *error)
{
    QByteArray text = headerText(list.header) + '\n';
    for (const JobLine &job : list.jobs)
        text += jobText(job) + '\n';
    const QString temporary = temporaryFor(path);
    QFile file(temporary);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size();
    if (!written || !file.flush()) {
        *error = Text::tr("cannot write %1 (%2); check that the folder exists and you may write there")
                     .arg(temporary, file.errorString());
        file.close();
        fs::remove(temporary);
        return false;
    }
    file.close();
    QString why;
    if (!fs::publish(temporary, path, &why)) {
        *error = Text::tr("cannot put the job list in place as %1 (%2)").arg(path, why);
        fs::remove(temporary);
        return false;
    }
    return true;
}
} // namespace jobs

bool JobListFile::open(const QString &path)
{
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        m_error = jobs::Text::tr("cannot read the job list %1 (%2)").arg(path, m_file.errorString());
        return false;
    }
    m_size = m_file.size();
    m_data = m_size > 0 ? reinterpret_cast<const char *>(m_file.map(0, m_size)) : nullptr;
    if (!m_data && m_size > 0) {
        m_read = m_file.readAll();
        m_data = m_read.constData();
        m_size = m_read.size();
    }
    for (qint64 at = 0; at < m_size;) {
        m_starts.append(at);
        const void *end = std::memchr(m_data + at, '\n', size_t(m_size - at));
        at = end ? static_cast<const char *>(end) - m_data + 1 : m_size;
    }
    // A line break at the very end leaves no empty line; blank lines after
    // the last job are no jobs.
    while (!m_starts.isEmpty() && line(m_starts.size() - 1).trimmed().isEmpty())
        m_starts.removeLast();
    QString why;
    if (m_starts.isEmpty() || !jobs::readHeader(line(0), &m_header, &why)) {
        m_error = jobs::Text::tr("%1 is not a job list quavero-cli can use: line 1: %2")
                      .arg(path, m_starts.isEmpty() ? jobs::Text::tr("the file is empty") : why);
        return false;
    }
    if (m_starts.size() - 1 != m_header.jobCount) {
        m_error = jobs::Text::tr("%1 is not a whole job list: its first line says %2 jobs, and it holds %3")
                      .arg(path)
                      .arg(m_header.jobCount)
                      .arg(m_starts.size() - 1);
        return false;
    }
    return true;
}

QByteArray JobListFile::line(qint64 number) const
{
    const qint64 begin = m_starts.at(number);
    const qint64 end = number + 1 < m_starts.size() ? m_starts.at(number + 1) : m_size;
    return QByteArray::fromRawData(m_data + begin, end - begin);
}

bool JobListFile::job(qint64 index, JobLine *job, QString *error) const
{
    QString why;
    if (!jobs::readJob(line(index + 1), job, &why)) {
        *error = jobs::Text::tr("line %1: %2").arg(index + 2).arg(why);
        return false;
    }
    if (job->index != index) {
        *error = jobs::Text::tr("line %1: it holds job %2, where job %3 belongs; the jobs are numbered from 0 in "
                                "the order of their lines")
                     .arg(index + 2)
                     .arg(job->index)
                     .arg(index);
        return false;
    }
    return true;
}

} // namespace quavero
