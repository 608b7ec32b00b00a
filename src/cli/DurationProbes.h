// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Probes the duration of many files at once, off the event loop, with the
// desktop program's batched duration probe: the files asked for before
// control returns to the event loop are cut into batches (one ffmpeg each,
// one batch per job at a time). Results come back on the thread that owns the
// prober, in whatever order the batches end.
#include <QList>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <atomic>
#include <memory>

namespace quavero {

namespace cli {
class DurationProbes : public QObject {
    Q_OBJECT
public:
    DurationProbes(const QString &ffmpegPath, int atOnce, QObject *parent = nullptr);
    // Waits for the probes that are running; the queued ones are dropped.
    ~DurationProbes() override;

    // Queues a probe of path; probed(id, ...) follows.
    void probe(int id, const QString &path);
    // Drops the probes that have not started.
    void cancelQueued();

signals:
    void probed(int id, const QString &durationText, qint64 seconds);

private:
    struct Asked {
        int id;
        QString path;
    };
    void startAsked();

    QString m_ffmpegPath;
    int m_atOnce;
    QList<Asked> m_asked;
    std::shared_ptr<std::atomic<bool>> m_stopped = std::make_shared<std::atomic<bool>>(false);
    QThreadPool m_pool;
};
} // namespace cli

} // namespace quavero
