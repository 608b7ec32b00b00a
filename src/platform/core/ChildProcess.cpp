#include "platform/core/ChildProcess.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace child {
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
