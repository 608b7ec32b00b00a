// SPDX-License-Identifier: GPL-3.0-or-later
#include "jobs/engine/ResultStore.h"

#include "jobs/core/JobsText.h"
#include "platform/core/FileSystem.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

namespace quavero {

ResultStore::ResultStore(const QString &listPath)
    : m_folder(QFileInfo(listPath).absoluteFilePath() + QStringLiteral(".results"))
{
}

QString ResultStore::pathOf(qint64 index) const { return m_folder + QStringLiteral("/%1.json").arg(index); }

std::optional<JobResult> ResultStore::read(qint64 index, QString *problem) const
{
    QFile file(pathOf(index));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    JobResult result;
    QString why;
    if (!jobs::readResult(file.readAll(), &result, &why) || result.index != index) {
        if (problem)
            *problem = QStringLiteral("%1: %2").arg(
                pathOf(index), why.isEmpty() ? jobs::Text::tr("it is the result of another job") : why);
        return std::nullopt;
    }
    return result;
}

bool ResultStore::write(const JobResult &result, QString *error) const
{
    if (!fs::createFolderWithParents(m_folder)) {
        *error =
            jobs::Text::tr("cannot create the results folder %1; check that you may write beside the job list").arg(m_folder);
        return false;
    }
    const QString temporary = m_folder + QStringLiteral("/.%1.json.%2-%3.part")
                                             .arg(result.index)
                                             .arg(QSysInfo::machineHostName())
                                             .arg(QCoreApplication::applicationPid());
    const QByteArray text = jobs::resultText(result);
    QFile file(temporary);
    QString why;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text) != text.size() || !file.flush()) {
        why = file.errorString();
    } else {
        file.close();
        if (fs::publish(temporary, pathOf(result.index), &why))
            return true;
    }
    file.close();
    fs::remove(temporary);
    *error =
        jobs::Text::tr("cannot write the result of job %1 to %2 (%3)").arg(result.index).arg(pathOf(result.index), why);
    return false;
}

QHash<qint64, JobResult> ResultStore::readAll(const QString &planId, qint64 count, QStringList *problems) const
{
    QHash<qint64, JobResult> results;
    const QStringList names = QDir(m_folder).entryList({QStringLiteral("*.json")}, QDir::Files);
    for (const QString &name : names) {
        bool number = false;
        const qint64 index = name.chopped(5).toLongLong(&number);
        if (!number || index < 0 || index >= count || name != QStringLiteral("%1.json").arg(index))
            continue;
        QString problem;
        const std::optional<JobResult> result = read(index, &problem);
        if (!result) {
            if (!problem.isEmpty())
                *problems << problem;
        } else if (result->planId != planId) {
            *problems << jobs::Text::tr("%1: it is the result of another plan, made before the list was written again")
                             .arg(pathOf(index));
        } else {
            results.insert(index, *result);
        }
    }
    return results;
}

} // namespace quavero
