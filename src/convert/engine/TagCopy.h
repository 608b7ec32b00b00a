// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tag-copy step at the end of an entry: the input's tags and pictures,
// read with TagLib, go into the complete final file. The input is only read.
// The final file is tagged as a copy beside it that then takes its place, so
// a failure leaves the converted audio exactly as it was.
//
// The lines it returns are for the entry's report: "tags not copied: ..."
// when nothing could be written, "picture not copied: ..." for each picture
// the output format cannot take. An entry is converted either way.
#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>

#include "convert/core/TagSet.h"

namespace quavero {

namespace tagcopy {
// True when the output format keeps tags that this step writes (not for
// .AC3, .AMR and .RAW, which hold none, nor .CAF and .AU, which keep what
// ffmpeg wrote).
bool applies(qint64 formatIndex);

// Does the whole step at once on the file at finalPath, through a tagged copy
// at scratchPath (by default a temporary name of this process beside it).
// cancelled, when set while it runs, stops it before the file is replaced.
// over (a track's tags from its sheet) goes over the input's tags: the output
// of a track cut from an album image gets the image's tags and pictures with
// the track's own fields in their place (cue::overImage).
QStringList copy(const QString &inputPath, const QString &finalPath, qint64 formatIndex,
                 const QString &scratchPath = QString(), const std::atomic<bool> *cancelled = nullptr,
                 const TagSet &over = TagSet());
} // namespace tagcopy

// The same step on a thread of the global pool, so that a window or other
// conversions on the same event loop are not held up by a large file.
class TagCopyTask : public QObject {
    Q_OBJECT
public:
    explicit TagCopyTask(QObject *parent = nullptr);
    // Waits for a step still running (it is asked to stop first).
    ~TagCopyTask() override;

    void start(const QString &inputPath, const QString &finalPath, qint64 formatIndex,
               const QString &scratchPath = QString(), const TagSet &over = TagSet());
    bool isRunning() const { return m_running; }
    // Asks a running step to stop, waits until it has, and emits nothing for it.
    void cancel();

signals:
    void finished(const QStringList &warnings);

private:
    QFutureWatcher<QStringList> m_watcher;
    QFuture<QStringList> m_future;
    std::shared_ptr<std::atomic<bool>> m_cancelled;
    bool m_running = false;
};

} // namespace quavero
