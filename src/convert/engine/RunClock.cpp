// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/RunClock.h"

namespace quavero {

QtRunClock::QtRunClock()
{
    m_elapsed.start();
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        const std::function<void()> fire = m_fire;
        if (fire)
            fire();
    });
}

qint64 QtRunClock::nowMs() const { return m_elapsed.elapsed(); }

void QtRunClock::startTimer(int ms, std::function<void()> fire)
{
    m_timer.stop();
    m_fire = std::move(fire);
    m_timer.start(qMax(0, ms));
}

void QtRunClock::stopTimer() { m_timer.stop(); }

bool QtRunClock::timerActive() const { return m_timer.isActive(); }

} // namespace quavero
