// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/ConversionJob.h"

#include "convert/core/PlainFailure.h"
#include "convert/engine/OutputPublisher.h"
#include "convert/engine/StageRunner.h"
#include "platform/core/FileSystem.h"

#include <QSignalBlocker>

namespace quavero {

namespace {
// The jobs that are carrying out an entry, on the main thread: a program that
// ends stops them all.
QList<ConversionJob *> &runningJobs()
{
    static QList<ConversionJob *> jobs;
    return jobs;
}
} // namespace

ConversionJob::ConversionJob(const ProgramPaths &programs, std::shared_ptr<OutputLedger> ledger, QObject *parent,
                             std::shared_ptr<RunGains> gains)
    : QObject(parent), m_programs(programs), m_stage(new StageRunner(this)),
      m_publisher(new OutputPublisher(std::move(ledger), this)), m_runGains(std::move(gains))
{
    m_publisher->setBeforePublish([this](const QString &path) { return m_loudness.tagOutput(path); });
    connect(m_stage, &StageRunner::progressChanged, this, &ConversionJob::progressChanged);
    connect(m_stage, &StageRunner::finished, this, &ConversionJob::onStageFinished);
    connect(m_publisher, &OutputPublisher::finished, this, &ConversionJob::onPublished);
    qRegisterMetaType<ConversionResult>();
    qRegisterMetaType<ProgressReading>();
}

ConversionJob::~ConversionJob()
{
    if (m_running) {
        blockSignals(true);
        stop();
    }
    runningJobs().removeAll(this);
}

void ConversionJob::stopAll()
{
    const QList<ConversionJob *> jobs = runningJobs();
    for (ConversionJob *job : jobs) {
        // Nobody is told: the program is ending, no further entry may start.
        const QSignalBlocker quiet(job);
        job->stop();
    }
}

void ConversionJob::setStopPending(std::function<bool()> pending) { m_publisher->setStopPending(std::move(pending)); }

void ConversionJob::start(const EntryPlan &plan)
{
    if (m_running)
        return;
    m_running = true;
    ++m_generation;
    m_plan = plan;
    m_stageIndex = -1;
    m_programsRun.clear();
    m_rawMessage.clear();
    m_stopsRun = false;
    m_warnings.clear();
    m_prepared = false;
    m_stopping = false;
    m_loudness.begin(plan, m_runGains);
    runningJobs().append(this);
    if (plan.action != PlanAction::Convert || plan.stages.isEmpty()) {
        finishLater(false, plan.problem);
        return;
    }
    // A FIFO or device would block ffmpeg for ever; a link loop or a name that
    // is not UTF-8 cannot be opened at all. A file that is gone is ffmpeg's to
    // report.
    const QString input = plan.input.s_File_Path();
    const QString inputProblem =
        fs::exists(input) || input.contains(QChar::ReplacementCharacter) ? fs::regularFileProblem(input) : QString();
    if (!inputProblem.isEmpty()) {
        finishLater(false, inputProblem);
        return;
    }
    const QString notReady = m_publisher->prepare(plan);
    if (!notReady.isEmpty()) {
        finishLater(false, notReady);
        return;
    }
    m_prepared = true;
    runStage(0);
}

void ConversionJob::runStage(int stage)
{
    m_stageIndex = stage;
    const PlannedStage &planned = m_plan.stages.at(stage);
    StageRun run;
    run.stage = planned;
    run.stage.arguments = m_loudness.arguments(planned);
    run.standardOutput = m_loudness.standardOutput(planned);
    run.programPath = m_programs.of(planned.program);
    run.shownArguments = m_plan.shownArguments(run.stage);
    if (planned.program == StageProgram::Ffmpeg) {
        run.input = encoder::inputText(m_plan.input);
        run.durationSeconds = m_plan.input.i_Duration_in_Seconds();
        run.durationText = m_plan.input.s_Duration();
        run.cut = m_plan.input.m_Track().isTrack();
    } else {
        run.input = m_plan.intermediatePath;
        emit effectsStarted();
    }
    m_stage->start(run);
}

void ConversionJob::onStageFinished(const StageOutcome &outcome)
{
    if (!m_running)
        return;
    m_programsRun << outcome.program;
    if (!outcome.ok()) {
        m_rawMessage = outcome.failure.rawLine;
        m_stopsRun = outcome.failure.diskFull;
        finish(false, outcome.failure.reason);
        return;
    }
    m_warnings << outcome.warnings << m_loudness.stageDone(m_plan.stages.at(m_stageIndex));
    if (m_stageIndex + 1 < m_plan.stages.size())
        runStage(m_stageIndex + 1);
    else
        m_publisher->publish();
}

void ConversionJob::onPublished(const QString &reason, const QStringList &warnings)
{
    m_warnings << warnings;
    finish(reason.isEmpty(), reason);
}

void ConversionJob::finish(bool ok, const QString &reason)
{
    if (!m_running)
        return;
    m_stage->stop();
    // What this entry's programs left is partial, and only ever under a
    // temporary name: it goes, and any old output stays as it was.
    if (!ok && m_prepared)
        m_publisher->discard();
    m_running = false;
    runningJobs().removeAll(this);
    m_warnings << m_loudness.ended(ok, m_stopping);
    ConversionResult result;
    result.ok = ok;
    result.reason = reason;
    result.finalPath = m_plan.finalPath;
    result.rawMessage = m_rawMessage;
    result.stopsRun = m_stopsRun;
    result.programs = m_programsRun;
    if (ok)
        result.warnings = m_warnings;
    emit finished(result);
}

void ConversionJob::finishLater(bool ok, const QString &reason)
{
    const quint64 generation = m_generation;
    QMetaObject::invokeMethod(
        this,
        [this, ok, reason, generation] {
            if (generation == m_generation)
                finish(ok, reason);
        },
        Qt::QueuedConnection);
}

void ConversionJob::stop()
{
    if (!m_running)
        return;
    if (m_stage->isRunning())
        m_programsRun << m_stage->programOutput();
    m_stopping = true;
    finish(false, QStringLiteral("the conversion was stopped"));
}

} // namespace quavero
