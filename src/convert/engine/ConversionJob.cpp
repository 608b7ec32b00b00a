// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/ConversionJob.h"

#include "convert/core/EffectsArguments.h"
#include "convert/core/FailureReason.h"
#include "convert/core/OutputCheck.h"
#include "convert/core/OutputSafety.h"
#include "convert/core/PlainFailure.h"
#include "convert/core/ShellQuote.h"
#include "convert/engine/TagCopy.h"
#include "platform/core/ChildProcess.h"
#include "platform/core/FileSystem.h"
#include "platform/core/SystemLog.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSignalBlocker>
#include <algorithm>

namespace quavero {

namespace {
// What is kept of a long error output: its start (where ffmpeg describes the
// input) and its end (where it says what went wrong).
constexpr int kErrorKeepBytes = 32 * 1024;
constexpr int kErrorHeadBytes = 8 * 1024;
constexpr int kKillWaitMs = 5000;

// The jobs that are converting an entry, on the main thread: their
// intermediate files are kept apart, and a program that ends stops them all.
QList<ConversionJob *> &runningJobs()
{
    static QList<ConversionJob *> jobs;
    return jobs;
}

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ConversionJob)
};

// Why a child that has ended failed; an empty reason when it succeeded. On a
// crash Qt gives the signal as the exit code.
PlainFailure endProblem(const FailureContext &context, int exitCode, int exitStatus, const QByteArray &output)
{
    if (exitStatus == QProcess::CrashExit)
        return plainfailure::fromSignal(context.program, exitCode, output);
    if (exitCode != 0)
        return plainfailure::fromExit(context, exitCode, output);
    return PlainFailure{};
}
} // namespace

ConversionJob::ConversionJob(const QString &ffmpegPath, const QString &soxPath, const FormatRecords *records, QObject *parent)
    : QObject(parent), m_ffmpegPath(ffmpegPath), m_soxPath(soxPath), m_records(records), m_tags(new TagCopyTask(this))
{
    connect(m_tags, &TagCopyTask::finished, this, [this](const QStringList &warnings) {
        m_warnings << warnings;
        finish(true, QString());
    });
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

// The first intermediate number whose file no other running job writes, so
// that entries of the same (or the same shortened) name converted at once
// never share an intermediate file.
EncoderCommand ConversionJob::commandFor(const ConversionRequest &request) const
{
    for (int number = 1;; ++number) {
        EncoderCommand command = encoder::build(request.formatIndex, request.entry, request.destinationFolder,
                                                request.workFolder, *m_records, request.output, number);
        const bool taken =
            command.effects &&
            std::any_of(runningJobs().cbegin(), runningJobs().cend(), [&command](const ConversionJob *other) {
                return other->m_command.effects && other->m_command.ffmpegOutputPath == command.ffmpegOutputPath;
            });
        if (!taken)
            return command;
    }
}

void ConversionJob::start(const ConversionRequest &request)
{
    if (m_running)
        return;
    m_running = true;
    ++m_generation;
    m_request = request;
    m_errorOutput.clear();
    m_soxOutput.clear();
    m_rawMessage.clear();
    m_stopsRun = false;
    m_warnings.clear();
    m_outputsOwned = false;
    m_soxStarted = false;
    m_finalWritten = false;
    m_command = commandFor(request);
    runningJobs().append(this);
    if (!m_command.valid) {
        finishLater(false, QStringLiteral("there is no output format number %1").arg(request.formatIndex));
        return;
    }
    // A FIFO or device would block ffmpeg for ever; a link loop or a name that
    // is not UTF-8 cannot be opened at all. A file that is gone is ffmpeg's to
    // report.
    const QString input = request.entry.s_File_Path();
    const QString inputProblem =
        fs::exists(input) || input.contains(QChar::ReplacementCharacter) ? fs::regularFileProblem(input) : QString();
    if (!inputProblem.isEmpty()) {
        finishLater(false, inputProblem);
        return;
    }

    QStringList inputs = request.inputPaths;
    inputs << request.entry.s_File_Path();
    if (request.entry.s_File_URL().isLocalFile())
        inputs << request.entry.s_File_URL().toLocalFile();
    if (safety::outputReplacesInput(m_command, inputs, [](const QString &p) { return fs::canonicalPath(p); })) {
        finishLater(false, safety::replacesInputReason());
        return;
    }
    // The old output is deleted; a folder of that name is the user's and is
    // never deleted with all it holds.
    for (const QString &path : {m_command.ffmpegOutputPath, m_command.finalPath}) {
        if (fs::isFolder(path)) {
            finishLater(false, folderInTheWay(path));
            return;
        }
    }
    m_outputsOwned = true;

    // An entry kept in its folder below the destination: that folder is made
    // here. The subfolder never climbs out of the destination.
    if (!request.output.subfolder.isEmpty() && !fs::isFolder(m_command.finalFolder) &&
        !fs::createFolderWithParents(m_command.finalFolder)) {
        finishLater(false, Text::tr("cannot create the folder %1; check that you may write in the destination "
                                    "folder")
                               .arg(m_command.finalFolder));
        return;
    }

    // Removing the old output is what lets ffmpeg write a file of that name:
    // it is never told to overwrite. A failure shows up as ffmpeg's own error.
    if (fs::exists(m_command.ffmpegOutputPath))
        fs::remove(m_command.ffmpegOutputPath);
    if (m_command.effects)
        fs::createFolderWithParents(request.workFolder);
    else
        m_finalWritten = true;

    QProcess *ffmpeg = child::newProcess(this);
    m_ffmpeg = ffmpeg;
    connect(ffmpeg, &QProcess::readyReadStandardOutput, this, [ffmpeg] { ffmpeg->readAllStandardOutput(); });
    connect(ffmpeg, &QProcess::readyReadStandardError, this, &ConversionJob::onFfmpegErrorData);
    connect(ffmpeg, &QProcess::finished, this,
            [this](int code, QProcess::ExitStatus status) { onFfmpegFinished(code, int(status)); });
    connect(ffmpeg, &QProcess::errorOccurred, this, [this, ffmpeg](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finishLater(false, QStringLiteral("ffmpeg could not be started (%1)").arg(ffmpeg->errorString()));
    });
    ffmpeg->start(m_ffmpegPath, m_command.arguments);
}

void ConversionJob::onFfmpegErrorData()
{
    if (!m_ffmpeg)
        return;
    const QByteArray chunk = m_ffmpeg->readAllStandardError();
    m_errorOutput.append(chunk);
    if (m_errorOutput.size() > kErrorKeepBytes)
        m_errorOutput.remove(kErrorHeadBytes, m_errorOutput.size() - kErrorKeepBytes);
    const qint64 duration = m_request.entry.i_Duration_in_Seconds();
    if (const auto reading = progress::readChunk(chunk, duration > 0 ? quint64(duration) : 0))
        emit progressChanged(*reading);
}

void ConversionJob::onFfmpegFinished(int exitCode, int exitStatus)
{
    if (m_ffmpeg)
        m_errorOutput.append(m_ffmpeg->readAllStandardError());
    FailureContext context;
    context.program = QStringLiteral("ffmpeg");
    context.input = encoder::inputText(m_request.entry);
    context.output = m_command.ffmpegOutputPath;
    context.outputInWorkFolder = m_command.effects;
    context.arguments = m_command.arguments;
    PlainFailure problem = exitStatus == QProcess::CrashExit ? PlainFailure{} : ffmpegOutputProblem(context, exitCode);
    if (problem.reason.isEmpty())
        problem = endProblem(context, exitCode, exitStatus, m_errorOutput);
    // The alert names the file already: ffmpeg's "<input>: " prefix is dropped.
    problem.reason.replace(context.input + QStringLiteral(": "), QString());
    if (!problem.reason.isEmpty()) {
        fail(problem);
        return;
    }
    noteShortOutput();
    if (m_command.effects)
        startEffects();
    else
        judgeFinalFile();
}

PlainFailure ConversionJob::ffmpegOutputProblem(const FailureContext &context, int exitCode) const
{
    // ffmpeg exits 0 after a trailer it could not write: its words count.
    const outputcheck::WriteProblem write = outputcheck::findWriteError(m_errorOutput);
    if (write.kind != outputcheck::WriteError::None)
        return writeFailure(context, exitCode, write, m_errorOutput);
    const std::optional<qint64> reported = outputcheck::reportedKiB(m_errorOutput);
    const qint64 size = fs::fileSize(m_command.ffmpegOutputPath);
    PlainFailure failure;
    if (reported && size >= 0 && !outputcheck::sizeMatchesReport(size, *reported))
        failure.reason =
            Text::tr("the converted file was not completely written (%1 of %2 KB); check the disk").arg(size / 1024).arg(*reported);
    return failure;
}

PlainFailure ConversionJob::writeFailure(const FailureContext &context, int exitCode,
                                         const outputcheck::WriteProblem &write, const QByteArray &output) const
{
    // A full disk is said as for a program that exits non-zero; the other
    // failed writes in their own words.
    PlainFailure failure = plainfailure::fromExit(context, exitCode == 0 ? 1 : exitCode, output);
    if (write.kind != outputcheck::WriteError::DiskFull && write.kind != outputcheck::WriteError::QuotaUsedUp)
        failure.reason =
            outputcheck::writeFailureReason(write, context.outputInWorkFolder ? m_request.workFolder : QString());
    if (failure.rawLine.isEmpty())
        failure.rawLine = write.line;
    return failure;
}

void ConversionJob::noteShortOutput()
{
    // ffmpeg's own report on the input (at the start of its output) is exact;
    // the list's duration text is the fallback. A duration estimated from the
    // bitrate is not used.
    if (outputcheck::durationIsEstimate(m_errorOutput))
        return;
    std::optional<double> expected = outputcheck::reportedDuration(QString::fromUtf8(m_errorOutput));
    if (!expected)
        expected = outputcheck::reportedDuration(m_request.entry.s_Duration());
    const std::optional<double> written = outputcheck::writtenSeconds(m_errorOutput);
    if (!expected || !written)
        return;
    const QString warning = outputcheck::shortOutputWarning(*written, *expected);
    if (!warning.isEmpty())
        m_warnings << warning;
}

QString ConversionJob::folderInTheWay(const QString &path)
{
    return Text::tr("a folder named %1 is in the way; rename or move it").arg(path);
}

void ConversionJob::startEffects()
{
    // sox opens the final path as it finds it: through a link it would write
    // the link's target, through a hard link another file's contents. The old
    // output is removed first (a link as a link), as on the ffmpeg route.
    if (fs::isFolder(m_command.finalPath)) {
        finish(false, folderInTheWay(m_command.finalPath));
        return;
    }
    if (fs::exists(m_command.finalPath) && !fs::remove(m_command.finalPath)) {
        finish(false, Text::tr("the old file %1 could not be replaced").arg(m_command.finalPath));
        return;
    }
    // The effect settings are read now, after ffmpeg, as they are at this moment.
    m_soxArguments = effects::arguments(m_command.ffmpegOutputPath, m_command.finalPath,
                                        effects::valuesFor(m_request.formatIndex, *m_records));
    QProcess *sox = child::newProcess(this);
    sox->setProcessChannelMode(QProcess::MergedChannels);
    m_sox = sox;
    connect(sox, &QProcess::finished, this,
            [this](int code, QProcess::ExitStatus status) { onSoxFinished(code, int(status)); });
    connect(sox, &QProcess::errorOccurred, this, [this, sox](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            finishLater(false, QStringLiteral("sox could not be started (%1)").arg(sox->errorString()));
    });
    m_soxStarted = true;
    m_finalWritten = true;
    emit effectsStarted();
    sox->start(m_soxPath, m_soxArguments);
}

void ConversionJob::onSoxFinished(int exitCode, int exitStatus)
{
    const QByteArray output = m_sox ? m_sox->readAll() : QByteArray();
    m_soxOutput = output;
    const QString text = QString::fromUtf8(output).trimmed();
    if (!text.isEmpty())
        syslogline::write(text);
    FailureContext context;
    context.program = QStringLiteral("sox");
    context.input = m_command.ffmpegOutputPath;
    context.output = m_command.finalPath;
    // sox 14.4 exits 0 after "error writing output file".
    const outputcheck::WriteProblem write = outputcheck::findWriteError(output);
    const PlainFailure problem = exitStatus != QProcess::CrashExit && write.kind != outputcheck::WriteError::None
                                     ? writeFailure(context, exitCode, write, output)
                                     : endProblem(context, exitCode, exitStatus, output);
    if (problem.reason.isEmpty())
        judgeFinalFile();
    else
        fail(problem);
}

void ConversionJob::judgeFinalFile()
{
    const qint64 size = fs::fileSize(m_command.finalPath);
    if (size > 0)
        copyTagsThenFinish();
    else if (size == 0)
        finish(false, QStringLiteral("the converted file is empty"));
    else
        finish(false, QStringLiteral("no converted file was written"));
}

void ConversionJob::finish(bool ok, const QString &reason)
{
    if (!m_running)
        return;
    dropProcesses();
    // What this entry's ffmpeg or sox left at the final path of a failed entry
    // is partial; the safety check made sure it is not an input file. So is a
    // failed entry's intermediate file, which would keep a full disk full.
    if (!ok && m_outputsOwned) {
        if (m_finalWritten && fs::exists(m_command.finalPath))
            fs::remove(m_command.finalPath);
        if (m_command.effects && fs::exists(m_command.ffmpegOutputPath))
            fs::remove(m_command.ffmpegOutputPath);
    }
    m_running = false;
    runningJobs().removeAll(this);
    ConversionResult result;
    result.ok = ok;
    result.reason = reason;
    result.finalPath = m_command.finalPath;
    result.rawMessage = m_rawMessage;
    result.stopsRun = m_stopsRun;
    if (ok)
        result.warnings = m_warnings;
    if (m_outputsOwned) {
        result.programs << ProgramOutput{shell::commandLine(m_ffmpegPath, m_command.arguments),
                                         details::lastLines(m_errorOutput)};
        if (m_soxStarted)
            result.programs << ProgramOutput{shell::commandLine(m_soxPath, m_soxArguments),
                                             details::lastLines(m_soxOutput)};
    }
    emit finished(result);
}

void ConversionJob::fail(const PlainFailure &failure)
{
    m_rawMessage = failure.rawLine;
    m_stopsRun = failure.diskFull;
    finish(false, failure.reason);
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

void ConversionJob::dropProcesses()
{
    for (QProcess *process : {m_ffmpeg.data(), m_sox.data()}) {
        if (!process)
            continue;
        disconnect(process, nullptr, this, nullptr);
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(kKillWaitMs);
        }
        process->deleteLater();
    }
    m_ffmpeg.clear();
    m_sox.clear();
}

void ConversionJob::copyTagsThenFinish()
{
    if (!m_request.copyTags || !tagcopy::applies(m_request.formatIndex)) {
        finish(true, QString());
        return;
    }
    const NodeVideoFile &entry = m_request.entry;
    const QString input = entry.s_File_Path().isEmpty() ? entry.s_File_URL().toLocalFile() : entry.s_File_Path();
    m_tags->start(input, m_command.finalPath, m_request.formatIndex);
}

void ConversionJob::stop()
{
    if (!m_running)
        return;
    m_tags->cancel();
    finish(false, QStringLiteral("the conversion was stopped"));
}

} // namespace quavero
