// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plan of one entry converted on its own by this process, made by the
// run's planner, and running it with a ConversionJob.
#include <QCoreApplication>
#include <QSignalSpy>

#include "EntryFromPath.h"
#include "convert/core/RunPlanner.h"
#include "convert/engine/ConversionJob.h"
#include "convert/engine/FileSystemWorld.h"
#include "platform/core/BundledPrograms.h"

namespace quavero {

namespace testentries {
// name: an output name decided for the entry, as a run's output plan would
// decide it (a numbered name, a subfolder); empty for the entry's own.
inline EntryPlan planFor(qint64 format, const NodeVideoFile &entry, const QString &destination,
                         const FormatRecords &records, bool copyTags = true, const OutputName &name = {})
{
    SettingsSnapshot settings;
    settings.formatIndex = format;
    settings.records = records;
    settings.copyTags = copyTags;
    const qint64 pid = QCoreApplication::applicationPid();
    const RunPlan plan = runplan::make(settings, {PlanInput{entry, QString()}}, destination, pid, planworld::fileSystem());
    EntryPlan planned = plan.entries.first();
    if (!name.subfolder.isEmpty() || !name.baseName.isEmpty()) {
        planned.output.subfolder = name.subfolder;
        if (!name.baseName.isEmpty())
            planned.output.baseName = name.baseName;
        runplan::planStages(planned, settings, destination, pid);
    }
    return planned;
}

inline ProgramPaths bundledPrograms()
{
    return ProgramPaths{bundled::programPath(QStringLiteral("ffmpeg")), bundled::programPath(QStringLiteral("sox"))};
}

// Runs the plan to its end with the bundled programs; a failure "timed out"
// when it did not end within timeoutMs.
inline ConversionResult runPlan(const EntryPlan &plan, int timeoutMs = 60000)
{
    ConversionJob job(bundledPrograms());
    QSignalSpy finished(&job, &ConversionJob::finished);
    job.start(plan);
    if (finished.isEmpty() && !finished.wait(timeoutMs)) {
        ConversionResult r;
        r.reason = QStringLiteral("timed out");
        return r;
    }
    return finished.at(0).at(0).value<ConversionResult>();
}
} // namespace testentries

} // namespace quavero
