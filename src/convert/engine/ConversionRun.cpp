// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/ConversionRun.h"

#include "convert/core/EncoderCommand.h"
#include "convert/core/TimeLeft.h"
#include "platform/core/FileSystem.h"

#include <QSet>
#include <cmath>

namespace quavero {

ConversionRun::ConversionRun(RunSetup setup, RunJobFactory jobs, std::unique_ptr<RunClock> clock, QObject *parent)
    : QObject(parent), m_setup(std::move(setup)), m_jobs(std::move(jobs)),
      m_clock(clock ? std::move(clock) : std::make_unique<QtRunClock>())
{
    m_setup.pacing.filesAtOnce = qMax(1, m_setup.pacing.filesAtOnce);
    m_items.resize(size_t(m_setup.entries.size()));
    for (int i = 0; i < m_setup.entries.size(); ++i) {
        Item &item = m_items[size_t(i)];
        item.entry = m_setup.entries.at(i);
        if (m_setup.records) {
            const EncoderCommand command = encoder::build(m_setup.formatIndex, item.entry.entry, m_setup.destinationFolder,
                                                          m_setup.workFolder, *m_setup.records, item.entry.output);
            if (command.valid) {
                item.writes = QStringList{command.finalPath, command.ffmpegOutputPath};
                item.writes.removeDuplicates();
            }
        }
        m_entryInputs << item.entry.entry.s_File_Path();
    }
    m_setup.entries.clear(); // the items hold them now
}

// Jobs still running here (an error path, or the end of the process) are
// killed by their own destructors.
ConversionRun::~ConversionRun() = default;

bool ConversionRun::stopPending() const { return m_stopPending && m_stopPending(); }

void ConversionRun::start()
{
    if (m_started)
        return;
    m_started = true;
    for (int i = 0; i < entryCount(); ++i)
        if (!m_items[size_t(i)].entry.problem.isEmpty())
            failEntry(i, m_items[size_t(i)].entry.problem);
    if (!b_Cancel) {
        if (m_setup.pacing.firstDelayMs > 0)
            m_clock->startTimer(m_setup.pacing.firstDelayMs, [this] { TimerConvertNextRoutine(); });
        else
            TimerConvertNextRoutine();
    }
    emit progressChanged();
    finishIfDone();
}

void ConversionRun::TimerConvertNextRoutine()
{
    if (b_Cancel || m_finished) {
        // A step whose time came after Cancel converts nothing.
        m_clock->stopTimer();
        return;
    }
    m_firstStepDone = true;
    startReadyEntries();
    finishIfDone();
}

// Starts, in list order, every waiting entry that is ready and writes no path
// that a running entry, or a waiting entry before it, writes too.
void ConversionRun::startReadyEntries()
{
    if (b_Cancel || m_fullDisk || m_finished || stopPending())
        return;
    // Everything before the first entry that is waiting or running is done: a
    // long list is not walked from its start at every step.
    while (m_firstOpen < entryCount() && m_items[size_t(m_firstOpen)].state != EntryState::Waiting &&
           m_items[size_t(m_firstOpen)].state != EntryState::Running)
        ++m_firstOpen;
    QSet<QString> taken;
    for (int index : std::as_const(m_runningOrder))
        for (const QString &path : std::as_const(m_items[size_t(index)].writes))
            taken.insert(path);
    for (int i = m_firstOpen; i < entryCount() && m_running < m_setup.pacing.filesAtOnce && !b_Cancel; ++i) {
        Item &item = m_items[size_t(i)];
        if (item.state != EntryState::Waiting)
            continue;
        bool clash = false;
        for (const QString &path : std::as_const(item.writes))
            clash = clash || taken.contains(path);
        if (item.entry.ready && !clash)
            startEntry(i);
        for (const QString &path : std::as_const(item.writes))
            taken.insert(path);
    }
}

QStringList ConversionRun::inputPaths() const
{
    QStringList paths = m_entryInputs;
    if (m_setup.otherInputs)
        paths += m_setup.otherInputs();
    return paths;
}

void ConversionRun::startEntry(int index)
{
    Item &item = m_items[size_t(index)];
    const int before = m_running;
    item.state = EntryState::Running;
    ++m_running;
    m_runningOrder << index;
    noteRunningChanged(before);
    item.job = m_jobs();
    item.job->progressed = [this, index](const ProgressReading &reading) {
        Item &running = m_items[size_t(index)];
        running.reading = reading;
        running.hasReading = true;
        emit entryProgressed(index);
        emit progressChanged();
    };
    item.job->finished = [this, index](const ConversionResult &result) { onJobFinished(index, result); };

    ConversionRequest request;
    request.formatIndex = m_setup.formatIndex;
    request.entry = item.entry.entry;
    request.destinationFolder = m_setup.destinationFolder;
    request.output = item.entry.output;
    request.workFolder = m_setup.workFolder;
    request.inputPaths = inputPaths();
    request.copyTags = m_setup.copyTags;
    item.job->start(request);
    emit entryStarted(index);
    emit progressChanged();
}

void ConversionRun::onJobFinished(int index, const ConversionResult &result)
{
    Item &item = m_items[size_t(index)];
    if (item.state != EntryState::Running)
        return;
    const int before = m_running;
    --m_running;
    m_runningOrder.removeAll(index);
    noteRunningChanged(before);
    item.result = result;
    removeIntermediate(item, result);
    retire(std::move(item.job));

    if (m_stopped || stopPending()) {
        // A stop signal reaches ffmpeg and sox as well (a terminal's Ctrl-C
        // goes to the whole group): what they wrote after it may be cut
        // short, even when they exited cleanly.
        if (result.ok && fs::exists(result.finalPath))
            fs::remove(result.finalPath);
        item.state = EntryState::NotConverted;
    } else {
        item.state = result.ok ? EntryState::Converted : EntryState::Failed;
    }
    emit entryFinished(index);
    if (item.state == EntryState::Failed && result.stopsRun)
        stopForFullDisk();

    if (!b_Cancel && !stopPending() && !m_finished) {
        bool waiting = false;
        for (int i = m_firstOpen; i < entryCount() && !waiting; ++i)
            waiting = m_items[size_t(i)].state == EntryState::Waiting;
        if (waiting && m_setup.pacing.pauseMs > 0)
            m_clock->startTimer(m_setup.pacing.pauseMs, [this] { TimerConvertNextRoutine(); });
        else if (waiting && !m_clock->timerActive())
            startReadyEntries();
    }
    emit progressChanged();
    finishIfDone();
}

// When the setup asks for it, a converted entry's intermediate file goes at
// once; only a converted entry's, whose job checked that it is no input file.
void ConversionRun::removeIntermediate(const Item &item, const ConversionResult &result)
{
    if (!m_setup.removeIntermediates)
        return;
    const QString path = item.job ? item.job->intermediatePath() : QString();
    if (result.ok && !path.isEmpty() && path != result.finalPath &&
        path.startsWith(m_setup.workFolder + QLatin1Char('/')) && fs::exists(path))
        fs::remove(path);
}

void ConversionRun::failEntry(int index, const QString &reason)
{
    Item &item = m_items[size_t(index)];
    item.state = EntryState::Failed;
    item.result = ConversionResult{};
    item.result.reason = reason;
    emit entryFinished(index);
}

// Every further entry would fail the same way: none starts, and each waiting
// one is not converted, with the reason. The running ones end on their own.
void ConversionRun::stopForFullDisk()
{
    if (m_fullDisk)
        return;
    m_fullDisk = true;
    m_clock->stopTimer();
    for (Item &item : m_items) {
        if (item.state != EntryState::Waiting)
            continue;
        item.state = EntryState::NotConverted;
        item.result = ConversionResult{};
        item.result.reason = tr("not converted, because the disk is full");
    }
}

// The job may be the one whose callback is running: it goes from the event loop.
void ConversionRun::retire(std::unique_ptr<RunJob> job)
{
    if (!job)
        return;
    m_retired.push_back(std::move(job));
    if (m_retired.size() == 1)
        QMetaObject::invokeMethod(
            this, [this] { m_retired.clear(); }, Qt::QueuedConnection);
}

void ConversionRun::entryReady(int index, const QString &durationText, qint64 seconds)
{
    if (index < 0 || index >= entryCount())
        return;
    Item &item = m_items[size_t(index)];
    item.entry.entry.setS_Duration(durationText);
    item.entry.entry.setI_Duration_in_Seconds(seconds);
    item.entry.ready = true;
    if (m_firstStepDone && !m_clock->timerActive())
        startReadyEntries();
    emit progressChanged();
}

void ConversionRun::cancel()
{
    if (m_finished || b_Cancel)
        return;
    b_Cancel = true;
    m_clock->stopTimer();
    markWaitingNotConverted();
    emit progressChanged();
    finishIfDone();
}

void ConversionRun::stop()
{
    if (m_finished)
        return;
    b_Cancel = true;
    m_stopped = true;
    m_clock->stopTimer();
    markWaitingNotConverted();
    // Each job reports its end before stop() returns, through onJobFinished.
    const QList<int> running = m_runningOrder;
    for (int index : running) {
        Item &item = m_items[size_t(index)];
        if (item.state == EntryState::Running && item.job)
            item.job->stop();
    }
    emit progressChanged();
    finishIfDone();
}

void ConversionRun::markWaitingNotConverted()
{
    for (Item &item : m_items)
        if (item.state == EntryState::Waiting)
            item.state = EntryState::NotConverted;
}

void ConversionRun::finishIfDone()
{
    if (!m_started || m_finished || m_running > 0)
        return;
    for (int i = m_firstOpen; i < entryCount(); ++i)
        if (m_items[size_t(i)].state == EntryState::Waiting)
            return;
    m_finished = true;
    m_clock->stopTimer();
    emit finished();
}

void ConversionRun::noteRunningChanged(int before)
{
    const qint64 now = m_clock->nowMs();
    if (before == 0 && m_running > 0) {
        m_runningSince = now;
    } else if (before > 0 && m_running == 0 && m_runningSince >= 0) {
        m_workedMs += now - m_runningSince;
        m_runningSince = -1;
    }
}

qint64 ConversionRun::workedMs() const
{
    return m_workedMs + (m_runningSince >= 0 ? m_clock->nowMs() - m_runningSince : 0);
}

QList<int> ConversionRun::failedEntries() const
{
    QList<int> failed;
    for (int i = 0; i < entryCount(); ++i)
        if (m_items[size_t(i)].state == EntryState::Failed)
            failed << i;
    return failed;
}

RunProgress ConversionRun::progress() const
{
    RunProgress p;
    p.total = entryCount();
    p.running = m_runningOrder;
    bool everyDurationKnown = true;
    double filesDone = 0;
    int waiting = 0;
    int withPercent = 0;
    int percentSum = 0;
    int busy = 0;
    for (const Item &item : m_items) {
        const double seconds = double(item.seconds());
        if (item.entry.problem.isEmpty()) {
            p.audioSecondsTotal += seconds;
            everyDurationKnown = everyDurationKnown && seconds > 0;
        }
        switch (item.state) {
        case EntryState::Converted:
            ++p.converted;
            p.audioSecondsDone += seconds;
            filesDone += 1;
            break;
        case EntryState::Failed:
            ++p.failed;
            p.audioSecondsDone += seconds;
            filesDone += 1;
            break;
        case EntryState::Running:
            if (item.hasReading && item.reading.busy) {
                ++busy;
            } else {
                // An entry that has not reported yet is at 0 %.
                const int percent = item.hasReading ? qBound(0, item.reading.percent, 100) : 0;
                ++withPercent;
                percentSum += percent;
                p.audioSecondsDone += seconds * percent / 100.0;
                filesDone += percent / 100.0;
            }
            break;
        case EntryState::Waiting:
            ++waiting;
            break;
        case EntryState::NotConverted:
            break;
        }
    }
    p.done = p.converted + p.failed;
    p.meanPercent = withPercent > 0 ? int(std::lround(double(percentSum) / withPercent)) : 0;
    p.busy = !p.running.isEmpty() && busy == p.running.size();
    if (isActive() && !b_Cancel) {
        timeleft::Measure measure;
        measure.workedMs = workedMs();
        measure.fractionDone =
            timeleft::fractionDone(p.audioSecondsDone, p.audioSecondsTotal, everyDurationKnown, filesDone, p.total);
        const int atOnce = m_setup.pacing.filesAtOnce;
        measure.pausesLeftMs = qint64((waiting + atOnce - 1) / atOnce) * m_setup.pacing.pauseMs;
        if (const auto seconds = timeleft::estimate(measure))
            p.secondsLeft = *seconds;
    }
    return p;
}

} // namespace quavero
