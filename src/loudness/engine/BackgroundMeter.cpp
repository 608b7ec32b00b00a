// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness/engine/BackgroundMeter.h"

#include <algorithm>

namespace quavero {

BackgroundMeter::BackgroundMeter(qint64 queueLimitBytes)
    : m_limit(queueLimitBytes), m_batch(std::max<qint64>(1, std::min(queueLimitBytes, kBatchBytes))),
      m_worker([this] { work(); })
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
    // The meter is woken for a batch of pieces, not for each one: fewer
    // switches between the threads, and the measuring in longer runs.
    const bool wake = m_queuedBytes >= m_batch;
    lock.unlock();
    if (wake)
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
        m_changed.wait(lock, [this] { return m_queuedBytes >= m_batch || m_closing; });
        if (m_dropping || (m_queue.empty() && m_closing))
            return;
        std::deque<QByteArray> batch;
        batch.swap(m_queue);
        m_queuedBytes = 0;
        lock.unlock();
        m_changed.notify_all(); // room in the queue
        for (const QByteArray &piece : batch)
            m_meter.add(piece);
        lock.lock();
    }
}

} // namespace quavero
