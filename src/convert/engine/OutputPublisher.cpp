// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/OutputPublisher.h"

#include "convert/engine/TagCopy.h"
#include "platform/core/FileSystem.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace quavero {

namespace {
struct Text {
    Q_DECLARE_TR_FUNCTIONS(ConversionJob)
};

QString folderInTheWay(const QString &path)
{
    return Text::tr("a folder named %1 is in the way; rename or move it").arg(path);
}
} // namespace

OutputPublisher::OutputPublisher(QObject *parent) : QObject(parent), m_tags(new TagCopyTask(this))
{
    connect(m_tags, &TagCopyTask::finished, this,
            [this](const QStringList &warnings) { emit finished(QString(), warnings); });
}

OutputPublisher::~OutputPublisher() = default;

QString OutputPublisher::prepare(const EntryPlan &plan)
{
    m_plan = plan;
    m_finalWritten = false;
    for (const QString &path : plan.writes())
        if (fs::isFolder(path))
            return folderInTheWay(path);
    // An entry kept in its folder below the destination: that folder is made
    // here. The subfolder never climbs out of the destination.
    if (!plan.output.subfolder.isEmpty() && !fs::isFolder(plan.finalFolder) &&
        !fs::createFolderWithParents(plan.finalFolder))
        return Text::tr("cannot create the folder %1; check that you may write in the destination folder").arg(plan.finalFolder);
    // Removing the old output is what lets ffmpeg write a file of that name:
    // it is never told to overwrite. A failure shows up as ffmpeg's own error.
    const QString first = plan.stages.isEmpty() ? QString() : plan.stages.first().output;
    if (!first.isEmpty() && fs::exists(first))
        fs::remove(first);
    if (!plan.intermediatePath.isEmpty())
        fs::createFolderWithParents(QFileInfo(plan.intermediatePath).absolutePath());
    return QString();
}

QString OutputPublisher::beforeStage(int stage)
{
    const QString output = m_plan.stages.value(stage).output;
    if (output == m_plan.finalPath)
        m_finalWritten = true;
    if (stage == 0)
        return QString();
    if (fs::isFolder(output))
        return folderInTheWay(output);
    if (fs::exists(output) && !fs::remove(output))
        return Text::tr("the old file %1 could not be replaced").arg(output);
    return QString();
}

void OutputPublisher::publish()
{
    const qint64 size = fs::fileSize(m_plan.finalPath);
    if (size == 0) {
        emit finished(QStringLiteral("the converted file is empty"), {});
    } else if (size < 0) {
        emit finished(QStringLiteral("no converted file was written"), {});
    } else if (m_plan.tagSource.isEmpty()) {
        emit finished(QString(), {});
    } else {
        m_tags->start(m_plan.tagSource, m_plan.finalPath, m_plan.formatIndex);
    }
}

void OutputPublisher::discard()
{
    m_tags->cancel();
    if (m_finalWritten && fs::exists(m_plan.finalPath))
        fs::remove(m_plan.finalPath);
    if (!m_plan.intermediatePath.isEmpty() && fs::exists(m_plan.intermediatePath))
        fs::remove(m_plan.intermediatePath);
    m_finalWritten = false;
}

} // namespace quavero
