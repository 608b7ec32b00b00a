// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness/engine/BackgroundMeter.h"

namespace quavero {

BackgroundMeter::BackgroundMeter(qint64 queueLimitBytes)
    : m_limit(queueLimitBytes), m_worker([this] { work(); })
{
}

BackgroundMeter::~BackgroundMeter()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_closing = true;
        m_dropping = true;
    }
    m_changed.notify_all();
    if (m_worker.joinable())
        m_worker.join();
}

void BackgroundMeter::add(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return;
    std::unique_lock<std::mutex> lock(m_mutex);
    if (m_closing)
        return;
    // Far behind: wait until the meter has brought the queue under its limit.
    m_changed.wait(lock, [this] { return m_queuedBytes <= m_limit || m_dropping; });
    m_queue.push_back(bytes);
    m_queuedBytes += bytes.size();
    lock.unlock();
    m_changed.notify_all();
}

StreamMeter &BackgroundMeter::finish()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_closing = true;
    }
    m_changed.notify_all();
    if (m_worker.joinable())
        m_worker.join();
    return m_meter;
}

void BackgroundMeter::work()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return !m_queue.empty() || m_closing; });
        if (m_dropping || (m_queue.empty() && m_closing))
            return;
        const QByteArray piece = std::move(m_queue.front());
        m_queue.pop_front();
        m_queuedBytes -= piece.size();
        lock.unlock();
        m_changed.notify_all(); // room in the queue
        m_meter.add(piece);
        lock.lock();
    }
}

} // namespace quavero
