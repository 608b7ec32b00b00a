// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/StageRunner.h"

#include "convert/core/OutputCheck.h"
#include "convert/core/ShellQuote.h"
#include "platform/core/ChildProcess.h"
#include "platform/core/FileSystem.h"
#include "platform/core/SystemLog.h"

#include <QCoreApplication>
#include <QProcess>

namespace quavero {

namespace {
// What is kept of a long error output: its start (where ffmpeg describes the
// input) and its end (where it says what went wrong).
constexpr int kErrorKeepBytes = 32 * 1024;
constexpr int kErrorHeadBytes = 8 * 1024;
constexpr int kKillWaitMs = 5000;

struct StageText {
    Q_DECLARE_TR_FUNCTIONS(ConversionJob)
};

QString programName(StageProgram program)
{
    return program == StageProgram::Ffmpeg ? QStringLiteral("ffmpeg") : QStringLiteral("sox");
}
} // namespace

StageRunner::StageRunner(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<StageOutcome>();
    qRegisterMetaType<ProgressReading>();
}

StageRunner::~StageRunner() { drop(); }

void StageRunner::start(const StageRun &run)
{
    drop();
    ++m_generation;
    m_run = run;
    m_output.clear();
    QProcess *process = child::newProcess(this);
    m_process = process;
    if (isFfmpeg()) {
        connect(process, &QProcess::readyReadStandardOutput, this, &StageRunner::onOutputData);
        connect(process, &QProcess::readyReadStandardError, this, &StageRunner::onErrorData);
    } else {
        process->setProcessChannelMode(QProcess::MergedChannels);
    }
    connect(process, &QProcess::finished, this,
            [this](int code, QProcess::ExitStatus status) { onFinished(code, int(status)); });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        StageOutcome outcome;
        outcome.failure.reason =
            QStringLiteral("%1 could not be started (%2)").arg(programName(m_run.stage.program), process->errorString());
        outcome.program = programOutput();
        finishLater(outcome);
    });
    process->start(run.programPath, run.stage.arguments);
}

void StageRunner::stop() { drop(); }

void StageRunner::drop()
{
    ++m_generation; // a queued end of this run is not reported
    QProcess *process = m_process.data();
    m_process.clear();
    if (!process)
        return;
    disconnect(process, nullptr, this, nullptr);
    if (process->state() != QProcess::NotRunning) {
        process->kill();
        process->waitForFinished(kKillWaitMs);
    }
    process->deleteLater();
}

void StageRunner::onOutputData()
{
    if (!m_process)
        return;
    const QByteArray chunk = m_process->readAllStandardOutput();
    if (m_run.standardOutput && !chunk.isEmpty())
        m_run.standardOutput(chunk);
}

void StageRunner::onErrorData()
{
    if (!m_process)
        return;
    const QByteArray chunk = m_process->readAllStandardError();
    m_output.append(chunk);
    if (m_output.size() > kErrorKeepBytes)
        m_output.remove(kErrorHeadBytes, m_output.size() - kErrorKeepBytes);
    const qint64 duration = m_run.durationSeconds;
    if (const auto reading = progress::readChunk(chunk, duration > 0 ? quint64(duration) : 0))
        emit progressChanged(*reading);
}

void StageRunner::onFinished(int exitCode, int exitStatus)
{
    if (m_process && isFfmpeg())
        onOutputData(); // the samples still in the pipe
    if (m_process)
        m_output.append(isFfmpeg() ? m_process->readAllStandardError() : m_process->readAll());
    if (!isFfmpeg()) {
        const QString text = QString::fromUtf8(m_output).trimmed();
        if (!text.isEmpty())
            syslogline::write(text);
    }
    StageOutcome outcome;
    outcome.failure = judge(exitCode, exitStatus);
    if (outcome.ok() && isFfmpeg())
        outcome.warnings = shortOutputWarnings();
    outcome.program = programOutput();
    drop();
    emit finished(outcome);
}

// Why the stage failed; an empty reason when it succeeded. On a crash Qt
// gives the signal as the exit code.
PlainFailure StageRunner::judge(int exitCode, int exitStatus) const
{
    FailureContext context;
    context.program = programName(m_run.stage.program);
    context.input = m_run.input;
    context.output = m_run.stage.output;
    context.arguments = m_run.stage.arguments;
    PlainFailure failure = exitStatus == QProcess::CrashExit
                               ? plainfailure::fromSignal(context.program, exitCode, m_output)
                               : writtenProblem(context, exitCode);
    // The alert names the file already: ffmpeg's "<input>: " prefix is dropped.
    if (isFfmpeg())
        failure.reason.replace(context.input + QStringLiteral(": "), QString());
    return failure;
}

PlainFailure StageRunner::writtenProblem(const FailureContext &context, int exitCode) const
{
    // Both programs can exit 0 after a write they could not do: their words count.
    if (outputcheck::findWriteError(m_output).kind != outputcheck::WriteError::None)
        return writeFailure(context, exitCode, m_output);
    PlainFailure failure;
    if (isFfmpeg()) {
        const std::optional<qint64> reported = outputcheck::reportedKiB(m_output);
        const qint64 size = fs::fileSize(m_run.stage.output);
        if (reported && size >= 0 && !outputcheck::sizeMatchesReport(size, *reported))
            failure.reason =
                StageText::tr("the converted file was not completely written (%1 of %2 KB); check the disk")
                    .arg(size / 1024)
                    .arg(*reported);
    }
    if (failure.reason.isEmpty() && exitCode != 0)
        failure = plainfailure::fromExit(context, exitCode, m_output);
    // The alert names the file already: ffmpeg's "<input>: " prefix is dropped.
    return failure;
}

PlainFailure StageRunner::writeFailure(const FailureContext &context, int exitCode, const QByteArray &output) const
{
    // A full disk is said as for a program that exits non-zero; the other
    // failed writes in their own words.
    const outputcheck::WriteProblem write = outputcheck::findWriteError(output);
    PlainFailure failure = plainfailure::fromExit(context, exitCode == 0 ? 1 : exitCode, output);
    if (write.kind != outputcheck::WriteError::DiskFull && write.kind != outputcheck::WriteError::QuotaUsedUp)
        failure.reason = outputcheck::writeFailureReason(write);
    if (failure.rawLine.isEmpty())
        failure.rawLine = write.line;
    return failure;
}

QStringList StageRunner::shortOutputWarnings() const
{
    // ffmpeg's own report on the input (at the start of its output) is exact;
    // the list's duration text is the fallback. A duration estimated from the
    // bitrate is not used.
    if (outputcheck::durationIsEstimate(m_output))
        return {};
    std::optional<double> expected;
    if (!m_run.cut)
        expected = outputcheck::reportedDuration(QString::fromUtf8(m_output));
    if (!expected)
        expected = outputcheck::reportedDuration(m_run.durationText);
    const std::optional<double> written = outputcheck::writtenSeconds(m_output);
    if (!expected || !written)
        return {};
    const QString warning = outputcheck::shortOutputWarning(*written, *expected);
    return warning.isEmpty() ? QStringList{} : QStringList{warning};
}

ProgramOutput StageRunner::programOutput() const
{
    return ProgramOutput{shell::commandLine(m_run.programPath, m_run.shownArguments), details::lastLines(m_output)};
}

void StageRunner::finishLater(const StageOutcome &outcome)
{
    const quint64 generation = m_generation;
    QMetaObject::invokeMethod(
        this,
        [this, outcome, generation] {
            if (generation != m_generation)
                return;
            drop();
            emit finished(outcome);
        },
        Qt::QueuedConnection);
}

} // namespace quavero
