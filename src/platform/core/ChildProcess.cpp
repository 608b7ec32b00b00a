// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/ChildProcess.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace quavero {

namespace child {
void dieWithParent(QProcess &process)
{
    const pid_t parent = ::getpid();
    // Runs in the child between fork and exec. SIGKILL, because ffmpeg
    // blocked in opening a FIFO does not end on SIGTERM. A parent that died
    // before the request was made is caught by the second test.
    process.setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent)
            ::_exit(127);
    });
}

JoinedRun runJoined(const QString &program, const QStringList &arguments)
{
    JoinedRun run;
    QProcess process;
    run.started = startJoined(process, program, arguments, &run.output);
    if (!run.started)
        return run;
    process.waitForFinished(-1);
    run.output = process.readAll();
    run.crashed = process.exitStatus() == QProcess::CrashExit;
    run.exitCode = process.exitCode();
    return run;
}

bool startJoined(QProcess &process, const QString &program, const QStringList &arguments, QByteArray *error)
{
    dieWithParent(process);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments, QIODevice::ReadOnly);
    if (process.waitForStarted(-1))
        return true;
    if (error)
        *error = process.errorString().toUtf8();
    return false;
}

QProcess *newProcess(QObject *parent)
{
    auto *process = new QProcess(parent);
    dieWithParent(*process);
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::SeparateChannels);
    return process;
}

bool canRun(const QString &program)
{
    if (program.isEmpty())
        return false;
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable();
    }
    return !QStandardPaths::findExecutable(program).isEmpty();
}
} // namespace child

} // namespace quavero
