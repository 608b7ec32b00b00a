// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A clock the test moves by hand and jobs the test ends by hand, so that the
// rules of a conversion run are checked without ffmpeg and without waiting.
#include "convert/core/RunPlanner.h"
#include "convert/engine/ConversionRun.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

namespace quavero {

class FakeClock : public RunClock {
public:
    qint64 now = 0;
    qint64 due = -1;    // when the pending timer fires; -1 when none is pending
    QList<int> started; // every interval the timer was started with

    qint64 nowMs() const override { return now; }
    void startTimer(int ms, std::function<void()> fire) override
    {
        started << ms;
        due = now + ms;
        m_fire = std::move(fire);
    }
    void stopTimer() override { due = -1; }
    bool timerActive() const override { return due >= 0; }
    // Moves the time on by ms, firing the timer when its time comes.
    void advance(qint64 ms)
    {
        const qint64 end = now + ms;
        while (due >= 0 && due <= end) {
            now = due;
            due = -1;
            const std::function<void()> fire = m_fire;
            fire();
        }
        now = end;
    }

private:
    std::function<void()> m_fire;
};

// The jobs a run started, in the order it started them. What a test knows
// of a job outlives the job itself (the run deletes ended jobs).
class FakeJobs {
public:
    struct Seen {
        EntryPlan plan;
        bool running = false;
        bool stopped = false;
        RunJob *job = nullptr; // none once the run has deleted it
    };

    RunJobFactory factory()
    {
        return [this](const EntryPlan &) -> std::unique_ptr<RunJob> {
            auto seen = std::make_shared<Seen>();
            m_seen << seen;
            return std::make_unique<Job>(seen);
        };
    }
    int count() const { return int(m_seen.size()); }
    const Seen &at(int n) const { return *m_seen.at(n); }
    // Ends the n-th started job as ffmpeg and sox would.
    void end(int n, bool ok = true, const QString &reason = QString(), bool stopsRun = false)
    {
        Seen &seen = *m_seen.at(n);
        ASSERT_TRUE(seen.running && seen.job) << "job " << n << " is not running";
        static_cast<Job *>(seen.job)->end(ok, reason, stopsRun);
    }
    void report(int n, int percent, bool busy = false)
    {
        Seen &seen = *m_seen.at(n);
        ASSERT_TRUE(seen.running && seen.job);
        seen.job->progressed(ProgressReading{busy, percent});
    }
    // Base names of the entries started, in the order they started.
    QStringList startedNames() const
    {
        QStringList names;
        for (const auto &seen : m_seen)
            names << seen->plan.input.s_File_Name_Without_Extension();
        return names;
    }
    int runningCount() const
    {
        int n = 0;
        for (const auto &seen : m_seen)
            n += seen->running ? 1 : 0;
        return n;
    }

private:
    struct Job : RunJob {
        explicit Job(std::shared_ptr<Seen> seen) : m_seen(std::move(seen)) { m_seen->job = this; }
        ~Job() override { m_seen->job = nullptr; }
        void start(const EntryPlan &plan) override
        {
            m_seen->plan = plan;
            m_seen->running = true;
        }
        void stop() override
        {
            if (!m_seen->running)
                return;
            m_seen->stopped = true;
            end(false, QStringLiteral("the conversion was stopped"));
        }
        void end(bool ok, const QString &reason, bool stopsRun = false)
        {
            m_seen->running = false;
            ConversionResult result;
            // As a real job: nothing is published once a stop is on its way.
            const bool stopping = ok && stopPending && stopPending();
            result.ok = ok && !stopping;
            result.reason = stopping ? QStringLiteral("the conversion was stopped") : reason;
            result.stopsRun = stopsRun;
            result.finalPath = m_seen->plan.finalPath;
            finished(result);
        }
        std::shared_ptr<Seen> m_seen;
    };
    QList<std::shared_ptr<Seen>> m_seen;
};

} // namespace quavero
