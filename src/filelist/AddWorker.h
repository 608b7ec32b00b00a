#pragma once
// The add worker: completes new list entries (duration probe, size) off the
// main thread and appends them to the list.
//
// Probes run in parallel, but entries are appended, and their progress steps
// delivered, strictly in the order they were given: entry i is appended only
// after entries 0..i-1, whichever probe ends first.
#include <QList>
#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <thread>

#include "filelist/core/NodeVideoFile.h"

class VideoFileList;

class AddWorker : public QObject {
public:
    // Called on the main thread after entry done-1 of total was appended.
    using Step = std::function<void(int done, int total)>;
    // Fills in what the file itself tells (duration, size); runs on a pool thread.
    using Completer = std::function<NodeVideoFile(const NodeVideoFile &)>;

    explicit AddWorker(VideoFileList &list);
    // Stops a running add (the entries not yet appended are dropped) and waits
    // for its threads.
    ~AddWorker() override;

    // Starts completing and appending entries (which hold their path fields),
    // parallelProbes at once (0: one per processor core). Must not be called
    // while running; not for an empty list.
    void start(const QList<NodeVideoFile> &entries, Completer complete, int parallelProbes, Step step);
    // From start() until the last step has been delivered.
    bool isRunning() const { return m_running; }

    // The completer of the program: the duration probed with ffmpeg at
    // ffmpeg, the size read from the file.
    static Completer probingWith(const QString &ffmpeg);

private:
    void run(QList<NodeVideoFile> entries, Completer complete, int parallelProbes);
    void deliverStep(int done, int total);
    void joinThread();

    VideoFileList &m_list;
    std::thread m_thread;
    std::atomic<bool> m_cancelled{false};
    bool m_running = false; // main thread only
    Step m_step;
};
