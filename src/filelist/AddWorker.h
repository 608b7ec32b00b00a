// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The add worker: completes new list entries (duration probe, size) off the
// main thread and appends them to the list.
//
// The entries are cut into batches, each completed as a whole (one ffmpeg
// probes a batch), several batches at once. Entries are appended, and their
// progress steps delivered, strictly in the order they were given: batch b is
// appended only after batches 0..b-1, whichever ends first.
#include <QList>
#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <thread>

#include "filelist/core/NodeVideoFile.h"

namespace quavero {

class VideoFileList;

class AddWorker : public QObject {
public:
    // Called on the main thread after entry done-1 of total was appended.
    using Step = std::function<void(int done, int total)>;
    // Fills in what the files themselves tell (duration, size) for a batch of
    // entries, returned in the same order; runs on a pool thread. `stopped`
    // turns true when the add is called off: the batch may then end early
    // (its result is dropped).
    using BatchCompleter =
        std::function<QList<NodeVideoFile>(const QList<NodeVideoFile> &batch, const std::atomic<bool> &stopped)>;
    // The same for one entry at a time.
    using Completer = std::function<NodeVideoFile(const NodeVideoFile &)>;

    // How an add is cut up: batches of at most batchSize entries (fewer so
    // that every job gets one on a short list), `jobs` batches at once (0: one
    // per processor core).
    struct Pace {
        int jobs = 0;
        int batchSize = 64;
    };

    explicit AddWorker(VideoFileList &list);
    // Stops a running add (the entries not yet appended are dropped) and waits
    // for its threads.
    ~AddWorker() override;

    // Starts completing and appending entries (which hold their path fields).
    // Must not be called while running; not for an empty list.
    void start(const QList<NodeVideoFile> &entries, BatchCompleter complete, Pace pace, Step step);
    // From start() until the last step has been delivered.
    bool isRunning() const { return m_running; }

    // The completer of the program: durations probed with ffmpeg at ffmpeg,
    // a batch per process; sizes read from the files.
    static BatchCompleter probingWith(const QString &ffmpeg);
    // A batch completer that completes each entry with complete.
    static BatchCompleter eachWith(Completer complete);
    // The size of the batches an add of `count` entries is cut into.
    static int batchSizeFor(int count, const Pace &pace);

private:
    void run(QList<NodeVideoFile> entries, BatchCompleter complete, Pace pace);
    void deliverSteps(int from, int to, int total);
    void joinThread();

    VideoFileList &m_list;
    std::thread m_thread;
    std::atomic<bool> m_cancelled{false};
    bool m_running = false; // main thread only
    Step m_step;
};

} // namespace quavero
