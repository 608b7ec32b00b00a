#include "filelist/AddWorker.h"

#include "filelist/engine/DurationProbe.h"
#include "filelist/core/DurationText.h"
#include "filelist/core/SizeText.h"
#include "filelist/core/VideoFileList.h"
#include "platform/core/FileSystem.h"

#include <QFuture>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

AddWorker::AddWorker(VideoFileList &list) : m_list(list) {}

AddWorker::~AddWorker()
{
    m_cancelled = true;
    joinThread();
}

void AddWorker::joinThread()
{
    if (m_thread.joinable())
        m_thread.join();
}

void AddWorker::start(const QList<NodeVideoFile> &entries, Completer complete, int parallelProbes, Step step)
{
    Q_ASSERT(!m_running && !entries.isEmpty());
    joinThread();
    m_running = true;
    m_cancelled = false;
    m_step = std::move(step);
    m_thread = std::thread(&AddWorker::run, this, entries, std::move(complete), parallelProbes);
}

AddWorker::Completer AddWorker::probingWith(const QString &ffmpeg)
{
    return [ffmpeg](NodeVideoFile entry) {
        const QString duration = filelist::probeDurationText(ffmpeg, entry.s_File_Path());
        entry.setS_Duration(duration);
        entry.setI_Duration_in_Seconds(filelist::secondsFromDurationText(duration));
        // A size that cannot be read counts as 0 bytes.
        const qint64 size = fs::fileSize(entry.s_File_Path());
        const quint64 bytes = size < 0 ? 0 : quint64(size);
        entry.setU_File_Size_Bytes(bytes);
        entry.setS_File_Size(filelist::sizeText(bytes));
        return entry;
    };
}

void AddWorker::run(QList<NodeVideoFile> entries, Completer complete, int parallelProbes)
{
    QThreadPool probes;
    probes.setMaxThreadCount(parallelProbes > 0 ? parallelProbes : QThread::idealThreadCount());

    // Every probe is queued at once; the pool runs as many as it has threads.
    QList<QFuture<NodeVideoFile>> completed;
    completed.reserve(entries.size());
    for (const NodeVideoFile &entry : entries)
        completed << QtConcurrent::run(&probes, [this, entry, &complete] {
            return m_cancelled ? entry : complete(entry);
        });

    // Appended in the given order: wait for entry i before appending it.
    const int total = int(entries.size());
    for (int i = 0; i < total && !m_cancelled; ++i) {
        const NodeVideoFile entry = completed[i].result();
        if (m_cancelled)
            break;
        m_list.append(entry);
        QMetaObject::invokeMethod(this, [this, i, total] { deliverStep(i + 1, total); }, Qt::QueuedConnection);
    }
    probes.waitForDone();
}

void AddWorker::deliverStep(int done, int total)
{
    if (done >= total) {
        // The worker thread posts the last step as its last act: it has ended
        // or is about to.
        joinThread();
        m_running = false;
    }
    // The step may start the next add, which replaces m_step.
    const Step step = m_step;
    step(done, total);
}
