// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/ConversionRun.h"

#include "cue/core/TrackEntry.h"
#include "convert/core/OutputSafety.h"
#include "convert/core/TemporaryName.h"
#include "convert/engine/StaleTemporaries.h"
#include "platform/core/FileSystem.h"

#include <QHash>
#include <QSet>

namespace quavero {

ConversionRun::ConversionRun(RunSetup setup, RunJobFactory jobs, std::unique_ptr<RunClock> clock, QObject *parent)
    : QObject(parent), m_setup(std::move(setup)), m_jobs(std::move(jobs)),
      m_clock(clock ? std::move(clock) : std::make_unique<QtRunClock>())
{
    m_setup.pacing.filesAtOnce = qMax(1, m_setup.pacing.filesAtOnce);
    m_items.resize(size_t(m_setup.plan.entries.size()));
    for (int i = 0; i < entryCount(); ++i)
        m_items[size_t(i)].ready = !m_setup.waitForDurations || entry(i).action != PlanAction::Convert;
}

// Jobs still running here (an error path, or the end of the process) are
// killed by their own destructors.
ConversionRun::~ConversionRun() = default;

bool ConversionRun::stopPending() const { return m_stopPending && m_stopPending(); }

qint64 ConversionRun::seconds(int index) const { return qMax<qint64>(0, entry(index).input.i_Duration_in_Seconds()); }

void ConversionRun::start()
{
    if (m_started)
        return;
    m_started = true;
    m_inStart = true;
    removeStaleTemporaries();
    for (int i = 0; i < entryCount(); ++i) {
        if (entry(i).action == PlanAction::Fail)
            failEntry(i, entry(i).problem);
        else if (entry(i).action == PlanAction::Skip)
            m_items[size_t(i)].state = EntryState::Skipped;
    }
    if (!b_Cancel) {
        if (m_setup.pacing.firstDelayMs > 0)
            m_clock->startTimer(m_setup.pacing.firstDelayMs, [this] { TimerConvertNextRoutine(); });
        else
            TimerConvertNextRoutine();
    }
    emit progressChanged();
    m_inStart = false;
    // A run with nothing to start ends from the event loop, never inside
    // start(): its window is not even shown yet.
    QMetaObject::invokeMethod(
        this, [this] { finishIfDone(); }, Qt::QueuedConnection);
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

// Starts, in list order, every waiting entry that is ready, while there is room.
void ConversionRun::startReadyEntries()
{
    if (b_Cancel || m_fullDisk || m_finished || stopPending())
        return;
    // Everything before the first entry that is waiting or running is done: a
    // long list is not walked from its start at every step.
    while (m_firstOpen < entryCount() && m_items[size_t(m_firstOpen)].state != EntryState::Waiting &&
           m_items[size_t(m_firstOpen)].state != EntryState::Running)
        ++m_firstOpen;
    for (int i = m_firstOpen; i < entryCount() && m_running < m_setup.pacing.filesAtOnce && !b_Cancel; ++i) {
        const Item &item = m_items[size_t(i)];
        if (item.state == EntryState::Waiting && item.ready)
            startEntry(i);
    }
}

// Files added to the list while the run goes on are inputs too: no output of
// the run may replace one of them.
bool ConversionRun::writesAnotherInput(int index) const
{
    if (!m_setup.otherInputs)
        return false;
    const auto canonical = [](const QString &path) { return fs::canonicalPath(path); };
    return safety::outputReplacesInput(entry(index).writes(), safety::canonicalInputs(m_setup.otherInputs(), canonical),
                                       canonical);
}

void ConversionRun::startEntry(int index)
{
    if (writesAnotherInput(index)) {
        failEntry(index, safety::replacesInputReason());
        return;
    }
    Item &item = m_items[size_t(index)];
    const int before = m_running;
    item.state = EntryState::Running;
    ++m_running;
    m_runningOrder << index;
    noteRunningChanged(before);
    item.job = m_jobs(entry(index));
    item.job->stopPending = [this] { return m_stopped || stopPending(); };
    item.job->progressed = [this, index](const ProgressReading &reading) {
        Item &running = m_items[size_t(index)];
        running.reading = reading;
        running.hasReading = true;
        emit entryProgressed(index);
        emit progressChanged();
    };
    item.job->finished = [this, index](const ConversionResult &result) { onJobFinished(index, result); };
    item.job->start(entry(index));
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
    retire(std::move(item.job));
    // A file published before the stop came is whole; one that was not is
    // gone with its temporary name.
    if (!result.ok && (m_stopped || stopPending()))
        item.state = EntryState::NotConverted;
    else
        item.state = result.ok ? EntryState::Converted : EntryState::Failed;
    emit entryFinished(index);
    if (item.state == EntryState::Failed && result.stopsRun)
        stopForFullDisk();

    if (!b_Cancel && !stopPending() && !m_finished) {
        bool waiting = false;
        for (int i = m_firstOpen; i < entryCount() && !waiting; ++i)
            waiting = m_items[size_t(i)].state == EntryState::Waiting;
        // Removing a file takes no time worth a pause.
        const bool pause = m_setup.pacing.pauseMs > 0 && entry(index).action != PlanAction::Remove;
        if (waiting && pause) {
            m_pauseStartedMs = m_clock->nowMs();
            m_clock->startTimer(m_setup.pacing.pauseMs, [this] { TimerConvertNextRoutine(); });
        } else if (waiting && !m_clock->timerActive())
            startReadyEntries();
    }
    emit progressChanged();
    finishIfDone();
}

// A killed run leaves its temporary files beside the outputs it was writing:
// they go before this run writes in those folders (never those of a run
// still going).
void ConversionRun::removeStaleTemporaries()
{
    QHash<QString, QSet<QString>> folders; // each folder with the final names written there
    for (const EntryPlan &planned : m_setup.plan.entries)
        if (planned.action == PlanAction::Convert || planned.action == PlanAction::Copy)
            folders[planned.finalFolder].insert(planned.finalPath.mid(planned.finalPath.lastIndexOf(QLatin1Char('/')) + 1));
    for (auto it = folders.cbegin(); it != folders.cend(); ++it) {
        if (!fs::isFolder(it.key()))
            continue;
        const QSet<QString> &names = it.value();
        const auto ours = [&names](const QString &file) {
            for (const QString &name : names)
                if (tempname::isFor(file, name))
                    return true;
            return false;
        };
        staletemps::removeIn(it.key(), nullptr, &staletemps::processAlive,
                             m_setup.ownTemporariesOnly ? std::function<bool(const QString &)>(ours)
                                                        : std::function<bool(const QString &)>());
    }
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
    NodeVideoFile &input = m_setup.plan.entries[index].input;
    input.setS_Duration(durationText);
    input.setI_Duration_in_Seconds(seconds);
    // The probe measures a track's whole image.
    input = cue::withTrackShare(input);
    m_items[size_t(index)].ready = true;
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
    if (!m_started || m_inStart || m_finished || m_running > 0)
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
    ProgressTally tally;
    for (int i = 0; i < entryCount(); ++i) {
        const Item &item = m_items[size_t(i)];
        const PlanAction action = entry(i).action;
        tally.add(item.state, double(seconds(i)), action == PlanAction::Convert || action == PlanAction::Copy,
                  item.hasReading ? &item.reading : nullptr);
    }
    RunTiming timing;
    timing.estimating = isActive() && !b_Cancel;
    timing.workedMs = workedMs();
    timing.filesAtOnce = m_setup.pacing.filesAtOnce;
    timing.pauseMs = m_setup.pacing.pauseMs;
    // The first step's delay is no pause between files.
    if (m_pauseStartedMs >= 0 && m_firstStepDone && isPausing())
        timing.pauseElapsedMs = m_clock->nowMs() - m_pauseStartedMs;
    return tally.result(m_runningOrder, timing);
}

} // namespace quavero
