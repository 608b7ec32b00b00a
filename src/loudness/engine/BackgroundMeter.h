// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A StreamMeter on a thread of its own. The meter (true peak above all) costs
// about as much processor time as a quick encoder; measured on the thread that
// reads ffmpeg's pipe, it would make the conversion wait for it. Here the
// reading thread only queues the pieces, and the meter works beside ffmpeg on
// another core. The queue is bounded: when the meter falls that far behind,
// add() waits for it, so a fast encoder cannot pile up a whole file of
// decoded audio in memory.
#include <QByteArray>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "loudness/engine/StreamMeter.h"

namespace quavero {

class BackgroundMeter {
public:
    static constexpr qint64 kDefaultQueueLimit = 16 * 1024 * 1024;
    // What the queue gathers before the meter is woken (at most the limit).
    static constexpr qint64 kBatchBytes = 1024 * 1024;

    explicit BackgroundMeter(qint64 queueLimitBytes = kDefaultQueueLimit);
    // Stops the thread; what was still queued is dropped.
    ~BackgroundMeter();
    BackgroundMeter(const BackgroundMeter &) = delete;
    BackgroundMeter &operator=(const BackgroundMeter &) = delete;

    // The next bytes of the stream, measured in the order they are added.
    void add(const QByteArray &bytes);
    // Waits until every byte added is measured, and gives the meter. Nothing
    // may be added afterwards.
    StreamMeter &finish();

private:
    void work();

    const qint64 m_limit;
    const qint64 m_batch;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<QByteArray> m_queue;
    qint64 m_queuedBytes = 0;
    bool m_closing = false;  // nothing more comes: the worker ends when the queue is empty
    bool m_dropping = false; // the worker ends now
    StreamMeter m_meter;     // touched by the worker only until it has ended
    std::thread m_worker;
};

} // namespace quavero
