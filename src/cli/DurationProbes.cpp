// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DurationProbes.h"

#include "filelist/core/DurationText.h"
#include "filelist/engine/BatchDurationProbe.h"

namespace quavero {

namespace cli {
DurationProbes::DurationProbes(const QString &ffmpegPath, int atOnce, QObject *parent)
    : QObject(parent), m_ffmpegPath(ffmpegPath), m_atOnce(qMax(1, atOnce))
{
    m_pool.setMaxThreadCount(m_atOnce);
}

DurationProbes::~DurationProbes()
{
    m_pool.clear();
    *m_stopped = true;
    m_pool.waitForDone();
}

void DurationProbes::probe(int id, const QString &path)
{
    if (m_asked.isEmpty())
        QMetaObject::invokeMethod(this, &DurationProbes::startAsked, Qt::QueuedConnection);
    m_asked.append({id, path});
}

void DurationProbes::startAsked()
{
    const QList<Asked> asked = std::exchange(m_asked, {});
    if (asked.isEmpty())
        return;
    // Every job gets a batch, up to the limit of one probe.
    const int size = qBound(1, int((asked.size() + m_atOnce - 1) / m_atOnce), filelist::kProbeBatchLimit);
    for (qsizetype from = 0; from < asked.size(); from += size) {
        const QList<Asked> batch = asked.mid(from, size);
        const QString ffmpeg = m_ffmpegPath;
        const std::shared_ptr<std::atomic<bool>> stopped = m_stopped;
        DurationProbes *self = this;
        m_pool.start([self, ffmpeg, batch, stopped] {
            QStringList paths;
            for (const Asked &one : batch)
                paths << one.path;
            filelist::BatchProbeOptions options;
            options.stop = [stopped] { return stopped->load(); };
            const QStringList texts = filelist::probeDurationTexts(ffmpeg, paths, options);
            // The prober waits for running probes before it goes, so it is
            // alive here; a result still queued when it goes is dropped with it.
            for (int i = 0; i < batch.size(); ++i) {
                const int id = batch[i].id;
                const QString text = texts.value(i);
                const qint64 seconds = filelist::secondsFromDurationText(text);
                QMetaObject::invokeMethod(
                    self, [self, id, text, seconds] { emit self->probed(id, text, seconds); }, Qt::QueuedConnection);
            }
        });
    }
}

void DurationProbes::cancelQueued()
{
    m_asked.clear();
    m_pool.clear();
}
} // namespace cli

} // namespace quavero
