// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/TagCopy.h"

#include "convert/core/TagPlan.h"
#include "convert/core/TagTarget.h"
#include "convert/core/TemporaryName.h"
#include "convert/engine/TagReading.h"
#include "convert/engine/TagWriting.h"
#include "cue/core/TrackTags.h"
#include "formats/core/FormatTable.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPromise>
#include <QScopeGuard>
#include <QThreadPool>

#include <cstdio>

namespace quavero {

namespace tagcopy {
namespace {
constexpr qint64 kCopyBlock = 1024 * 1024;

bool isCancelled(const std::atomic<bool> *cancelled) { return cancelled && cancelled->load(); }

// Copies the file into the open scratch file, block by block.
bool copyInto(const QString &from, QFile &to, const std::atomic<bool> *cancelled)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    while (!source.atEnd()) {
        if (isCancelled(cancelled))
            return false;
        const QByteArray block = source.read(kCopyBlock);
        if (block.isEmpty() && source.error() != QFileDevice::NoError)
            return false;
        if (to.write(block) != block.size())
            return false;
    }
    return to.flush();
}

QString why(const char *text) { return tags::tagsNotCopied(QCoreApplication::translate("TagCopy", text)); }
} // namespace

bool applies(qint64 formatIndex) { return tags::targetFor(formatIndex).writes(); }

QStringList copy(const QString &inputPath, const QString &finalPath, qint64 formatIndex, const QString &scratchPath,
                 const std::atomic<bool> *cancelled, const TagSet &over)
{
    const TagTarget target = tags::targetFor(formatIndex);
    if (!target.writes())
        return {};
    // Of the input kinds TagLib does not know (.mka, .aac, .tak ...) the user
    // learns that their tags were not read: TagLib's guess from the content
    // may take such a file for another kind and find nothing in it.
    const QString extension = QFileInfo(inputPath).suffix().toLower();
    if (!tagread::isTagLibType(inputPath) && formats::indexFromName(extension) < 0)
        return {tags::tagsNotCopied(QCoreApplication::translate("TagCopy", "the tags of .%1 files cannot be read; the "
                                                                           "output has only what ffmpeg carried over")
                                        .arg(extension))};
    InputTags input = tagread::read(inputPath);
    if (!input.readable && over.isEmpty()) {
        if (tagread::isTagLibType(inputPath))
            return {why(QT_TRANSLATE_NOOP("TagCopy", "the tags of the input could not be read"))};
        // The program's own formats that TagLib does not know (.au, .caf, ...)
        // keep what ffmpeg copied.
        return {};
    }
    // A track's own tags go over its image's; without the image's, they stand alone.
    if (!over.isEmpty())
        input.tags = cue::overImage(input.readable ? input.tags : TagSet(), over);
    const TagPlan plan = tags::plan(input.tags, target, formats::at(formatIndex)->item);

    // The tagged copy is written beside the file under a temporary name of the
    // program's own pattern, so that a killed run's copy is found and removed.
    const QString scratch = scratchPath.isEmpty()
                                ? tempname::pathFor(finalPath, QCoreApplication::applicationPid(), QStringLiteral("tag"))
                                : scratchPath;
    QFile tagged(scratch);
    const auto dropScratch = qScopeGuard([&tagged] {
        if (tagged.exists())
            tagged.remove();
    });
    if (!tagged.open(QIODevice::WriteOnly | QIODevice::Truncate) || !copyInto(finalPath, tagged, cancelled)) {
        if (isCancelled(cancelled))
            return {};
        return {why(QT_TRANSLATE_NOOP("TagCopy", "there is no room beside the converted file for a tagged copy"))};
    }
    tagged.close();
    const QString problem = tagwrite::write(tagged.fileName(), target, plan);
    if (!problem.isEmpty())
        return {tags::tagsNotCopied(problem)};
    if (isCancelled(cancelled))
        return {};
    tagged.setPermissions(QFile::permissions(finalPath));
    // rename() replaces the file in one step: it is never missing or half written.
    if (std::rename(QFile::encodeName(tagged.fileName()).constData(), QFile::encodeName(finalPath).constData()) != 0)
        return {why(QT_TRANSLATE_NOOP("TagCopy", "the tagged copy could not take the place of the converted file"))};
    return plan.warnings;
}
} // namespace tagcopy

TagCopyTask::TagCopyTask(QObject *parent) : QObject(parent)
{
    connect(&m_watcher, &QFutureWatcher<QStringList>::finished, this, [this] {
        if (!m_running)
            return;
        m_running = false;
        const QStringList warnings = m_future.isValid() && m_future.resultCount() > 0 ? m_future.result() : QStringList();
        emit finished(warnings);
    });
}

TagCopyTask::~TagCopyTask() { cancel(); }

void TagCopyTask::start(const QString &inputPath, const QString &finalPath, qint64 formatIndex,
                        const QString &scratchPath, const TagSet &over)
{
    if (m_running)
        return;
    m_running = true;
    m_cancelled = std::make_shared<std::atomic<bool>>(false);
    auto promise = std::make_shared<QPromise<QStringList>>();
    m_future = promise->future();
    m_watcher.setFuture(m_future);
    const std::shared_ptr<std::atomic<bool>> cancelled = m_cancelled;
    promise->start();
    QThreadPool::globalInstance()->start([promise, cancelled, inputPath, finalPath, formatIndex, scratchPath, over] {
        promise->addResult(tagcopy::copy(inputPath, finalPath, formatIndex, scratchPath, cancelled.get(), over));
        promise->finish();
    });
}

void TagCopyTask::cancel()
{
    if (!m_running)
        return;
    m_running = false;
    m_cancelled->store(true);
    m_future.waitForFinished();
}

} // namespace quavero
