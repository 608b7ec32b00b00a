#include "cli/DurationProbes.h"

#include "filelist/core/DurationText.h"
#include "filelist/engine/DurationProbe.h"

namespace cli {
DurationProbes::DurationProbes(const QString &ffmpegPath, int atOnce, QObject *parent)
    : QObject(parent), m_ffmpegPath(ffmpegPath)
{
    m_pool.setMaxThreadCount(qMax(1, atOnce));
}

DurationProbes::~DurationProbes()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void DurationProbes::probe(int id, const QString &path)
{
    const QString ffmpeg = m_ffmpegPath;
    DurationProbes *self = this;
    m_pool.start([self, ffmpeg, id, path] {
        const QString text = filelist::probeDurationText(ffmpeg, path);
        const qint64 seconds = filelist::secondsFromDurationText(text);
        // The prober waits for running probes before it goes, so it is alive
        // here; a result still queued when it goes is dropped with it.
        QMetaObject::invokeMethod(
            self, [self, id, text, seconds] { emit self->probed(id, text, seconds); }, Qt::QueuedConnection);
    });
}

void DurationProbes::cancelQueued()
{
    m_pool.clear();
}
} // namespace cli
