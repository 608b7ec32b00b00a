// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/OutputPublisher.h"

#include "convert/engine/TagCopy.h"
#include "mirror/engine/OutputLedger.h"
#include "platform/core/FileSystem.h"

#include <QCoreApplication>

namespace quavero {

namespace {
struct PublisherText {
    Q_DECLARE_TR_FUNCTIONS(ConversionJob)
};

void removeIfThere(const QString &path)
{
    if (!path.isEmpty() && fs::exists(path))
        fs::remove(path);
}
} // namespace

OutputPublisher::OutputPublisher(std::shared_ptr<OutputLedger> ledger, QObject *parent)
    : QObject(parent), m_ledger(ledger ? std::move(ledger) : std::make_shared<OutputLedger>()),
      m_tags(new TagCopyTask(this))
{
    connect(m_tags, &TagCopyTask::finished, this, &OutputPublisher::putInPlace);
}

OutputPublisher::~OutputPublisher() = default;

QString OutputPublisher::prepare(const EntryPlan &plan)
{
    m_plan = plan;
    if (fs::isFolder(plan.finalPath))
        return PublisherText::tr("a folder named %1 is in the way; rename or move it").arg(plan.finalPath);
    // An entry kept in its folder below the destination: that folder is made
    // here. The subfolder never climbs out of the destination.
    if (!plan.output.subfolder.isEmpty() && !fs::isFolder(plan.finalFolder) &&
        !fs::createFolderWithParents(plan.finalFolder))
        return PublisherText::tr("cannot create the folder %1; check that you may write in the destination folder")
            .arg(plan.finalFolder);
    // A temporary name is this process's own: what is there is left from an
    // earlier entry of the same name that failed, and ffmpeg never overwrites.
    for (const QString &path : {plan.intermediatePath, plan.publishPath, plan.tagScratchPath})
        removeIfThere(path);
    return QString();
}

void OutputPublisher::publish()
{
    const qint64 size = fs::fileSize(m_plan.publishPath);
    if (size == 0)
        emit finished(QStringLiteral("the converted file is empty"), {});
    else if (size < 0)
        emit finished(QStringLiteral("no converted file was written"), {});
    else if (m_plan.tagSource.isEmpty())
        putInPlace({});
    else
        m_tags->start(m_plan.tagSource, m_plan.publishPath, m_plan.formatIndex, m_plan.tagScratchPath,
                      m_plan.input.m_Track().tags);
}

void OutputPublisher::putInPlace(const QStringList &warnings)
{
    // A stop signal reaches ffmpeg and sox as well (a terminal's Ctrl-C goes
    // to the whole group): what they wrote after it may be cut short, even
    // when they exited cleanly. Such a file never takes the final name.
    if (m_stopPending && m_stopPending()) {
        emit finished(QStringLiteral("the conversion was stopped"), {});
        return;
    }
    QStringList all = warnings;
    if (m_beforePublish)
        all << m_beforePublish(m_plan.publishPath);
    QString error;
    if (!m_ledger->publish(m_plan, m_plan.publishPath, &error)) {
        emit finished(PublisherText::tr("the converted file could not be put in place: %1").arg(error), {});
        return;
    }
    removeIfThere(m_plan.intermediatePath);
    emit finished(QString(), all);
}

void OutputPublisher::discard()
{
    m_tags->cancel();
    for (const QString &path : {m_plan.intermediatePath, m_plan.publishPath, m_plan.tagScratchPath})
        removeIfThere(path);
}

} // namespace quavero
