// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/JoinedChild.h"

#include "platform/core/FileSystem.h"

#include <QProcess>

namespace quavero {

JoinedChild::JoinedChild(const QString &program, const QStringList &arguments, QObject *parent)
    : QObject(parent), m_process(child::newProcess(this))
{
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    connect(m_process, &QProcess::readyReadStandardOutput, this, [this] { m_run.output += m_process->readAll(); });
    connect(m_process, &QProcess::started, this, [this] { m_run.started = true; });
    connect(m_process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        m_run.exitCode = exitCode;
        m_run.crashed = status == QProcess::CrashExit;
        end();
    });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            m_run.output = m_process->errorString().toUtf8();
            end();
        }
    });
    // Queued so that whoever made the child can connect to finished() first,
    // even when the program cannot be started.
    QMetaObject::invokeMethod(
        this,
        [this, program, arguments] {
            if (!m_ended)
                m_process->start(program, arguments, QIODevice::ReadOnly);
        },
        Qt::QueuedConnection);
}

JoinedChild::~JoinedChild()
{
    m_ended = true;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(5000);
    }
}

void JoinedChild::abandon()
{
    const bool running = !m_ended && m_process->state() != QProcess::NotRunning;
    m_ended = true;
    blockSignals(true);
    if (running) {
        m_process->kill();
        m_process->waitForFinished(5000);
        if (!m_partialOutput.isEmpty())
            fs::remove(m_partialOutput);
    }
    deleteLater();
}

void JoinedChild::end()
{
    if (m_ended)
        return;
    m_ended = true;
    m_run.output += m_process->readAll();
    emit finished();
}

} // namespace quavero
