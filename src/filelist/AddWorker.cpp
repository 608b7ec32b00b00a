// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/AddWorker.h"

#include "cue/core/TrackEntry.h"
#include "filelist/core/AudioStream.h"
#include "filelist/core/DurationText.h"
#include "filelist/core/SizeText.h"
#include "filelist/core/VideoFileList.h"
#include "filelist/engine/BatchDurationProbe.h"
#include "platform/core/FileSystem.h"

#include <QFuture>
#include <QThread>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

namespace quavero {

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

void AddWorker::start(const QList<NodeVideoFile> &entries, BatchCompleter complete, Pace pace, Step step)
{
    Q_ASSERT(!m_running && !entries.isEmpty());
    joinThread();
    m_running = true;
    m_cancelled = false;
    m_step = std::move(step);
    m_thread = std::thread(&AddWorker::run, this, entries, std::move(complete), pace);
}

int AddWorker::batchSizeFor(int count, const Pace &pace)
{
    const int jobs = pace.jobs > 0 ? pace.jobs : QThread::idealThreadCount();
    const int even = (count + jobs - 1) / qMax(1, jobs);
    return qBound(1, even, qMax(1, pace.batchSize));
}

AddWorker::BatchCompleter AddWorker::probingWith(const QString &ffmpeg)
{
    return [ffmpeg](QList<NodeVideoFile> batch, const std::atomic<bool> &stopped) {
        QStringList paths;
        paths.reserve(batch.size());
        for (const NodeVideoFile &entry : batch)
            paths << entry.s_File_Path();
        filelist::BatchProbeOptions options;
        options.stop = [&stopped] { return stopped.load(); };
        const QStringList reports = filelist::probeReports(ffmpeg, paths, options);
        for (int i = 0; i < batch.size(); ++i) {
            NodeVideoFile &entry = batch[i];
            entry.setS_Duration(filelist::durationTextFromReport(reports.value(i)));
            entry.setM_Audio_Stream(filelist::audioStreamFromReport(reports.value(i)));
            entry.setI_Duration_in_Seconds(filelist::secondsFromDurationText(entry.s_Duration()));
            // A size that cannot be read counts as 0 bytes.
            const qint64 size = fs::fileSize(entry.s_File_Path());
            const quint64 bytes = size < 0 ? 0 : quint64(size);
            entry.setU_File_Size_Bytes(bytes);
            entry.setS_File_Size(filelist::sizeText(bytes));
        }
        return batch;
    };
}

AddWorker::BatchCompleter AddWorker::eachWith(Completer complete)
{
    return [complete](const QList<NodeVideoFile> &batch, const std::atomic<bool> &stopped) {
        QList<NodeVideoFile> done;
        done.reserve(batch.size());
        for (const NodeVideoFile &entry : batch)
            done << (stopped ? entry : complete(entry));
        return done;
    };
}

void AddWorker::run(QList<NodeVideoFile> entries, BatchCompleter complete, Pace pace)
{
    QThreadPool pool;
    pool.setMaxThreadCount(pace.jobs > 0 ? pace.jobs : QThread::idealThreadCount());

    // Every batch is queued at once; the pool runs as many as it has threads.
    const int total = int(entries.size());
    const int size = batchSizeFor(total, pace);
    QList<QFuture<QList<NodeVideoFile>>> batches;
    for (int from = 0; from < total; from += size) {
        const QList<NodeVideoFile> batch = entries.mid(from, size);
        batches << QtConcurrent::run(
            &pool, [this, batch, &complete] { return m_cancelled ? batch : complete(batch, m_cancelled); });
    }

    // Appended in the given order: wait for batch b before appending it.
    int appended = 0;
    for (int b = 0; b < batches.size() && !m_cancelled; ++b) {
        QList<NodeVideoFile> done = batches[b].result();
        if (m_cancelled)
            break;
        // A completer that lost entries would leave the add short forever.
        const int expected = qMin(size, total - appended);
        done.resize(expected);
        // A track measured as its image is given its own share of it.
        for (NodeVideoFile &entry : done)
            entry = cue::withTrackShare(entry);
        m_list.append(done);
        const int from = appended;
        appended += expected;
        const int to = appended;
        QMetaObject::invokeMethod(
            this, [this, from, to, total] { deliverSteps(from, to, total); }, Qt::QueuedConnection);
    }
    pool.waitForDone();
}

void AddWorker::deliverSteps(int from, int to, int total)
{
    // One step per entry, in order; only the last one of the add may start
    // the next add (which replaces m_step), so each step is taken anew.
    for (int done = from + 1; done <= to; ++done) {
        if (done >= total) {
            // The worker thread posts the last steps as its last act: it has
            // ended or is about to.
            joinThread();
            m_running = false;
        }
        const Step step = m_step;
        step(done, total);
    }
}

} // namespace quavero
