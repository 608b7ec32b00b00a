// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/CopyJob.h"

#include "convert/engine/OutputPublisher.h"
#include "platform/core/FileSystem.h"

#include <QCoreApplication>
#include <QFile>
#include <QPromise>
#include <QThreadPool>

namespace quavero {

namespace {
constexpr qint64 kBlock = 1024 * 1024;

struct CopyText {
    Q_DECLARE_TR_FUNCTIONS(ConversionJob)
};

// Copies from into to block by block; an empty text when it worked, else why not.
QString copyBytes(const QString &from, const QString &to, const std::atomic<bool> *cancelled)
{
    QFile source(from);
    QFile target(to);
    if (!source.open(QIODevice::ReadOnly))
        return CopyText::tr("the file could not be read (%1)").arg(source.errorString());
    if (!target.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return CopyText::tr("the copy could not be written (%1)").arg(target.errorString());
    while (!source.atEnd()) {
        if (cancelled->load())
            return QStringLiteral("the conversion was stopped");
        const QByteArray block = source.read(kBlock);
        if (block.isEmpty() && source.error() != QFileDevice::NoError)
            return CopyText::tr("the file could not be read (%1)").arg(source.errorString());
        if (target.write(block) != block.size())
            return CopyText::tr("the copy could not be written (%1)").arg(target.errorString());
    }
    return target.flush() ? QString() : CopyText::tr("the copy could not be written (%1)").arg(target.errorString());
}
} // namespace

CopyJob::CopyJob(std::shared_ptr<OutputLedger> ledger)
    : m_publisher(new OutputPublisher(std::move(ledger), this)), m_cancelled(std::make_shared<std::atomic<bool>>(false))
{
    connect(&m_watcher, &QFutureWatcher<QString>::finished, this, [this] {
        if (m_running)
            onCopied(m_watcher.future().result());
    });
    connect(m_publisher, &OutputPublisher::finished, this,
            [this](const QString &reason, const QStringList &warnings) { finish(reason.isEmpty(), reason, warnings); });
    m_publisher->setStopPending([this] { return stopPending && stopPending(); });
}

CopyJob::~CopyJob()
{
    m_running = false;
    m_cancelled->store(true);
    m_watcher.waitForFinished();
}

void CopyJob::start(const EntryPlan &plan)
{
    if (m_running)
        return;
    m_running = true;
    m_plan = plan;
    m_prepared = false;
    const QString input = plan.input.s_File_Path();
    const QString inputProblem = fs::regularFileProblem(input);
    if (!inputProblem.isEmpty())
        return finishLater(inputProblem);
    const QString notReady = m_publisher->prepare(plan);
    if (!notReady.isEmpty())
        return finishLater(notReady);
    m_prepared = true;
    m_cancelled->store(false);
    const std::shared_ptr<std::atomic<bool>> cancelled = m_cancelled;
    const QString target = plan.publishPath;
    auto promise = std::make_shared<QPromise<QString>>();
    m_watcher.setFuture(promise->future());
    promise->start();
    QThreadPool::globalInstance()->start([promise, input, target, cancelled] {
        promise->addResult(copyBytes(input, target, cancelled.get()));
        promise->finish();
    });
}

void CopyJob::onCopied(const QString &error)
{
    if (!error.isEmpty())
        return finish(false, error);
    m_publisher->publish();
}

void CopyJob::finishLater(const QString &reason)
{
    QMetaObject::invokeMethod(
        this, [this, reason] { finish(false, reason); }, Qt::QueuedConnection);
}

void CopyJob::finish(bool ok, const QString &reason, const QStringList &warnings)
{
    if (!m_running)
        return;
    m_running = false;
    if (!ok && m_prepared)
        m_publisher->discard();
    ConversionResult result;
    result.ok = ok;
    result.reason = reason;
    result.finalPath = m_plan.finalPath;
    if (ok)
        result.warnings = warnings;
    if (finished)
        finished(result);
}

void CopyJob::stop()
{
    if (!m_running)
        return;
    m_cancelled->store(true);
    m_watcher.waitForFinished();
    finish(false, QStringLiteral("the conversion was stopped"));
}

} // namespace quavero
