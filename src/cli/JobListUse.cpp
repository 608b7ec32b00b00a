// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/JobListUse.h"

#include "cli/CliText.h"
#include "cli/ExitStatus.h"
#include "cli/JobCommands.h"
#include "cli/Printing.h"

#include <QDir>
#include <QFileInfo>

namespace quavero {

namespace cli {
namespace {
QString absolute(const QString &given, const QString &fromList)
{
    return given.isEmpty() ? fromList : QDir::cleanPath(QFileInfo(given).absoluteFilePath());
}
} // namespace

bool openList(const JobRequest &request, JobListFile &list)
{
    if (list.open(request.listPath))
        return true;
    complain(list.error());
    return false;
}

jobs::JobRoots rootsFor(const JobListHeader &header, const JobRequest &request)
{
    return jobs::JobRoots{absolute(request.inputRoot, header.inputRoot), absolute(request.outputRoot, header.outputRoot)};
}

bool readAllJobs(const JobListFile &list, QList<JobLine> *jobs)
{
    jobs->reserve(list.count());
    for (qint64 i = 0; i < list.count(); ++i) {
        JobLine job;
        QString error;
        if (!list.job(i, &job, &error)) {
            complain(Text::tr("the job list %1 cannot be used: %2").arg(list.path(), error));
            return false;
        }
        jobs->append(job);
    }
    return true;
}

int runJobCommand(const Request &request, const ProgramPaths &programs)
{
    switch (request.job.mode) {
    case JobRequest::Mode::Plan:
        return writeJobList(request);
    case JobRequest::Mode::Run:
        return runFromList(request, programs);
    case JobRequest::Mode::Report:
        return reportJobs(request);
    case JobRequest::Mode::List:
        return listJobPaths(request);
    case JobRequest::Mode::None:
        break;
    }
    return int(ExitStatus::UsageError);
}
} // namespace cli

} // namespace quavero
