// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliText.h"
#include "cli/JobRequest.h"

#include <QStringList>

namespace quavero {

namespace cli {
namespace {
struct ModeOption {
    JobRequest::Mode mode;
    QLatin1String name;
};

const ModeOption kModes[] = {
    {JobRequest::Mode::Plan, QLatin1String("plan")},
    {JobRequest::Mode::Run, QLatin1String("from-plan")},
    {JobRequest::Mode::Report, QLatin1String("report")},
    {JobRequest::Mode::List, QLatin1String("list-jobs")},
};

QString modeName(JobRequest::Mode mode)
{
    for (const ModeOption &m : kModes)
        if (m.mode == mode)
            return QStringLiteral("--") + m.name;
    return QString();
}

// The options each way of using a list takes besides its own.
QSet<QString> allowedWith(JobRequest::Mode mode)
{
    switch (mode) {
    case JobRequest::Mode::Run:
        return {"from-plan", "index", "chunk", "in-root", "out-root", "jobs", "quiet", "verbose", "dry-run"};
    case JobRequest::Mode::Report:
        return {"report", "failed", "in-root", "out-root", "verbose", "quiet", "update"};
    case JobRequest::Mode::List:
        return {"list-jobs"};
    default:
        return {};
    }
}
} // namespace

QString readJobOption(const QString &name, const QString &value, JobRequest &job)
{
    for (const ModeOption &m : kModes) {
        if (name != m.name)
            continue;
        if (job.mode != JobRequest::Mode::None && job.mode != m.mode)
            return Text::tr("%1 and %2 cannot be given together").arg(modeName(job.mode), modeName(m.mode));
        if (value.isEmpty())
            return Text::tr("--%1 needs the path of a job list").arg(name);
        job.mode = m.mode;
        job.listPath = value;
        return QString();
    }
    if (name == QLatin1String("index")) {
        bool ok = false;
        job.index = value.trimmed().toLongLong(&ok);
        if (!ok || job.index < 0)
            return Text::tr("--index takes the number of a job, 0 or more, not '%1'").arg(value);
    } else if (name == QLatin1String("chunk")) {
        QString error;
        job.hasChunk = jobs::readChunk(value, &job.chunk, &error);
        return error;
    } else if (name == QLatin1String("in-root") || name == QLatin1String("out-root")) {
        if (value.isEmpty())
            return Text::tr("--%1 needs a folder").arg(name);
        (name == QLatin1String("in-root") ? job.inputRoot : job.outputRoot) = value;
    } else if (name == QLatin1String("failed")) {
        job.failedOnly = true;
    }
    return QString();
}

QString checkJobLine(const JobRequest &job, const QSet<QString> &given, bool inputs)
{
    const QString mode = modeName(job.mode);
    if (job.mode == JobRequest::Mode::None) {
        for (const char *name : {"index", "chunk", "in-root", "out-root", "failed"})
            if (given.contains(QLatin1String(name)))
                return Text::tr("--%1 goes with a job list: --from-plan or --report").arg(QLatin1String(name));
        return QString();
    }
    if (job.mode == JobRequest::Mode::Plan) {
        for (const char *name : {"index", "chunk", "in-root", "out-root", "failed", "dry-run", "save-preset"})
            if (given.contains(QLatin1String(name)))
                return Text::tr("--%1 cannot be used with %2").arg(QLatin1String(name), mode);
        // A job converts: removing and copying stay with a run on the
        // destination's own machine.
        for (const char *name : {"delete-orphans", "copy-same-format"})
            if (given.contains(QLatin1String(name)))
                return Text::tr("--%1 cannot be used with %2; run quavero-cli with it on the output folder "
                                "itself")
                    .arg(QLatin1String(name), mode);
        return QString();
    }
    const QSet<QString> allowed = allowedWith(job.mode);
    QStringList refused;
    for (const QString &name : given)
        if (!allowed.contains(name))
            refused << QStringLiteral("--") + name;
    refused.sort();
    if (!refused.isEmpty())
        return Text::tr("%1 takes the format, its options and the files from the job list; leave out %2")
            .arg(mode, refused.join(QLatin1String(", ")));
    if (inputs)
        return Text::tr("%1 takes the files from the job list; name no INPUT").arg(mode);
    if (job.mode == JobRequest::Mode::Run && (job.index >= 0) == job.hasChunk)
        return Text::tr("--from-plan runs either one job (--index N) or one slice of the list (--chunk K/C)");
    return QString();
}
} // namespace cli

} // namespace quavero
