#pragma once
// Probes the duration of many files at once, off the event loop: each probe
// is the desktop program's duration probe ("ffmpeg -i <file>", the text after
// "Duration:"), run on a pool of threads. Results come back on the thread that
// owns the prober, in whatever order the probes end.
#include <QObject>
#include <QString>
#include <QThreadPool>

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
    QString m_ffmpegPath;
    QThreadPool m_pool;
};
} // namespace cli
