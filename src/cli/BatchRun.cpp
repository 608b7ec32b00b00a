#include "cli/BatchRun.h"

#include "cli/DurationProbes.h"
#include "cli/InterruptWatcher.h"
#include "cli/ProgressDisplay.h"
#include "convert/core/EncoderCommand.h"
#include "convert/engine/ConversionJob.h"
#include "platform/core/FileSystem.h"

#include <QDir>
#include <QSet>

namespace cli {
QString shownPath(const QString &path)
{
    const QString relative = QDir::current().relativeFilePath(path);
    return relative.startsWith(QLatin1String("..")) ? path : relative;
}

BatchRun::BatchRun(const BatchSettings &settings, const QList<InputFile> &files, ProgressDisplay *display,
                   QObject *parent)
    : QObject(parent), m_settings(settings), m_display(display),
      m_probes(new DurationProbes(settings.ffmpegPath, settings.jobs, this))
{
    for (const InputFile &file : files) {
        Item item;
        item.file = file;
        item.name = shownPath(file.entry.s_File_Path());
        const EncoderCommand command = encoder::build(settings.formatIndex, file.entry, settings.destinationFolder,
                                                      settings.workFolder, *settings.records);
        item.writes = QStringList{command.finalPath, command.ffmpegOutputPath};
        item.writes.removeDuplicates();
        m_items.append(item);
        m_inputPaths << file.entry.s_File_Path();
    }
    connect(m_probes, &DurationProbes::probed, this, &BatchRun::onProbed);
}

BatchRun::~BatchRun()
{
    // Jobs still running here (an error path) are ended by their own destructor.
    delete m_probes;
}

void BatchRun::start()
{
    for (int i = 0; i < m_items.size(); ++i) {
        if (!m_items[i].file.problem.isEmpty())
            failItem(i, m_items[i].file.problem);
        else if (m_settings.probeDurations)
            m_probes->probe(i, m_items[i].file.entry.s_File_Path());
        else
            m_items[i].probed = true; // duration 0: the job reports no percentage
    }
    startReadyItems();
    finishIfDone();
}

void BatchRun::onProbed(int index, const QString &durationText, qint64 seconds)
{
    Item &item = m_items[index];
    item.file.entry.setS_Duration(durationText);
    item.file.entry.setI_Duration_in_Seconds(seconds);
    item.probed = true;
    startReadyItems();
}

// Starts, in list order, every waiting item that is probed and writes no path
// that a running item, or a waiting item before it, writes too.
void BatchRun::startReadyItems()
{
    if (m_stopping || InterruptWatcher::signalled())
        return;
    // Everything before the first item that is waiting or running is done: a
    // long list is not walked from its start at every step.
    while (m_firstOpen < m_items.size() && m_items[m_firstOpen].state != State::Waiting &&
           m_items[m_firstOpen].state != State::Running)
        ++m_firstOpen;
    QSet<QString> taken;
    for (int i = m_firstOpen, found = 0; i < m_items.size() && found < m_running; ++i) {
        if (m_items[i].state != State::Running)
            continue;
        ++found;
        for (const QString &path : std::as_const(m_items[i].writes))
            taken.insert(path);
    }
    for (int i = m_firstOpen; i < m_items.size() && m_running < m_settings.jobs; ++i) {
        Item &item = m_items[i];
        if (item.state != State::Waiting)
            continue;
        bool clash = false;
        for (const QString &path : std::as_const(item.writes))
            clash = clash || taken.contains(path);
        if (item.probed && !clash)
            startItem(i);
        for (const QString &path : std::as_const(item.writes))
            taken.insert(path);
    }
}

void BatchRun::startItem(int index)
{
    Item &item = m_items[index];
    item.state = State::Running;
    ++m_running;
    item.job = new ConversionJob(m_settings.ffmpegPath, m_settings.soxPath, m_settings.records, this);
    connect(item.job, &ConversionJob::progressChanged, this,
            [this, index](ProgressReading reading) { m_display->progressed(index, reading); });
    connect(item.job, &ConversionJob::finished, this,
            [this, index](const ConversionResult &result) { onJobFinished(index, result); });
    m_display->started(index, item.name);

    ConversionRequest request;
    request.formatIndex = m_settings.formatIndex;
    request.entry = item.file.entry;
    request.destinationFolder = m_settings.destinationFolder;
    request.workFolder = m_settings.workFolder;
    request.inputPaths = m_inputPaths;
    request.copyTags = m_settings.copyTags;
    item.job->start(request);
}

void BatchRun::onJobFinished(int index, const ConversionResult &result)
{
    Item &item = m_items[index];
    if (item.state != State::Running)
        return;
    --m_running;
    // A long batch would otherwise keep every intermediate file until the end,
    // in a temporary folder that is often held in memory.
    const EncoderCommand &command = item.job->command();
    if (command.effects && command.ffmpegOutputPath.startsWith(m_settings.workFolder + QLatin1Char('/')) &&
        fs::exists(command.ffmpegOutputPath))
        fs::remove(command.ffmpegOutputPath);
    item.job->deleteLater();
    item.job = nullptr;
    if (m_stopping || InterruptWatcher::signalled()) {
        // The terminal sends Ctrl-C to ffmpeg and sox as well; whatever they
        // wrote after it may be cut short, even when they exited cleanly.
        if (result.ok && fs::exists(result.finalPath))
            fs::remove(result.finalPath);
        item.state = State::Stopped;
        ++m_outcome.notConverted;
        m_display->stopped(index, item.name);
    } else if (result.ok) {
        item.state = State::Converted;
        ++m_outcome.converted;
        for (const QString &warning : result.warnings)
            m_outcome.warnings.append({item.name, warning});
        m_display->converted(index, item.name, shownPath(result.finalPath));
    } else {
        failItem(index, result.reason);
    }
    startReadyItems();
    finishIfDone();
}

void BatchRun::failItem(int index, const QString &reason)
{
    Item &item = m_items[index];
    item.state = State::Failed;
    ++m_outcome.failed;
    m_outcome.failures.append({item.name, reason});
    m_display->failed(index, item.name, reason);
}

void BatchRun::stop(int signalNumber)
{
    if (m_finished)
        return;
    m_stopping = true;
    m_outcome.stopSignal = signalNumber;
    m_probes->cancelQueued();
    for (Item &item : m_items) {
        if (item.state == State::Running && item.job)
            item.job->stop(); // finishes the item at once, through onJobFinished
    }
    for (Item &item : m_items) {
        if (item.state == State::Waiting) {
            item.state = State::Stopped;
            ++m_outcome.notConverted;
        }
    }
    finishIfDone();
}

void BatchRun::finishIfDone()
{
    if (m_finished || m_running > 0)
        return;
    for (const Item &item : std::as_const(m_items))
        if (item.state == State::Waiting)
            return;
    m_finished = true;
    m_display->close();
    emit finished();
}
} // namespace cli
