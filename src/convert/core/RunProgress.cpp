// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/RunProgress.h"

#include "convert/core/TimeLeft.h"

#include <QtGlobal>
#include <cmath>

namespace quavero {

void ProgressTally::add(EntryState state, double seconds, bool counted, const ProgressReading *reading)
{
    ++m_p.total;
    if (counted && state != EntryState::Skipped) {
        ++m_files;
        m_p.audioSecondsTotal += seconds;
        m_everyDurationKnown = m_everyDurationKnown && seconds > 0;
    }
    switch (state) {
    case EntryState::Converted:
    case EntryState::Failed:
        ++(state == EntryState::Converted ? m_p.converted : m_p.failed);
        // An entry the plan failed, or an orphan removed, was no work to
        // measure the pace by.
        if (counted) {
            m_p.audioSecondsDone += seconds;
            m_filesDone += 1;
            ++m_filesEnded;
        }
        break;
    case EntryState::Running:
        if (reading && reading->busy) {
            ++m_busy;
        } else {
            // An entry that has not reported yet is at 0 %.
            const int percent = reading ? qBound(0, reading->percent, 100) : 0;
            ++m_withPercent;
            m_percentSum += percent;
            m_p.audioSecondsDone += seconds * percent / 100.0;
            m_filesDone += percent / 100.0;
        }
        break;
    case EntryState::Waiting:
        ++m_waiting;
        break;
    case EntryState::Skipped:
        ++m_p.skipped;
        break;
    case EntryState::NotConverted:
        break;
    }
}

RunProgress ProgressTally::result(const QList<int> &running, const RunTiming &timing) const
{
    RunProgress p = m_p;
    p.running = running;
    p.done = p.converted + p.failed + p.skipped;
    p.meanPercent = m_withPercent > 0 ? int(std::lround(double(m_percentSum) / m_withPercent)) : 0;
    p.busy = !running.isEmpty() && m_busy == running.size();
    if (!timing.estimating)
        return p;
    timeleft::Measure measure;
    measure.workedMs = timing.workedMs;
    measure.fractionDone =
        timeleft::fractionDone(p.audioSecondsDone, p.audioSecondsTotal, m_everyDurationKnown, m_filesDone, m_files);
    measure.pausesLeftMs = timeleft::pausesLeftMs(m_waiting, timing.filesAtOnce, timing.pauseMs, timing.pauseElapsedMs);
    measure.filesEnded = m_filesEnded;
    if (const auto seconds = timeleft::estimate(measure))
        p.secondsLeft = *seconds;
    return p;
}

} // namespace quavero
