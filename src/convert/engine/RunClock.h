// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The time a conversion run paces itself by: a clock for the estimate of the
// time left and one one-shot timer for the next step. Tests give a clock of
// their own that they move forward by hand.
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

namespace quavero {

class RunClock {
public:
    virtual ~RunClock() = default;
    // Milliseconds since some fixed moment.
    virtual qint64 nowMs() const = 0;
    // Calls fire once, ms from now; a pending call is cancelled first.
    virtual void startTimer(int ms, std::function<void()> fire) = 0;
    virtual void stopTimer() = 0;
    virtual bool timerActive() const = 0;
};

// The main loop's timer; it also fires while a menu or a modal alert runs.
class QtRunClock : public RunClock {
public:
    QtRunClock();
    qint64 nowMs() const override;
    void startTimer(int ms, std::function<void()> fire) override;
    void stopTimer() override;
    bool timerActive() const override;

private:
    QElapsedTimer m_elapsed;
    QTimer m_timer;
    std::function<void()> m_fire;
};

} // namespace quavero
