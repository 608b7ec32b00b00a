// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/WatchedRun.h"

#include "platform/core/ChildProcess.h"

#include <QElapsedTimer>
#include <QProcess>

namespace quavero {

namespace child {
namespace {
constexpr int kStopPollMs = 100;
} // namespace

WatchedRun runWatched(const QString &program, const QStringList &arguments, int stallMs, const std::function<bool()> &stop)
{
    WatchedRun run;
    QProcess process;
    run.started = child::startJoined(process, program, arguments, &run.output);
    if (!run.started)
        return run;

    QElapsedTimer sinceOutput;
    sinceOutput.start();
    while (process.state() != QProcess::NotRunning) {
        const qint64 left = qint64(stallMs) - sinceOutput.elapsed();
        if (left <= 0 || (stop && stop())) {
            process.kill();
            process.waitForFinished(-1);
            run.killed = true;
            break;
        }
        if (process.waitForReadyRead(int(qMin<qint64>(left, kStopPollMs)))) {
            run.output += process.readAll();
            sinceOutput.restart();
        }
    }
    // What was written just before the end.
    process.waitForFinished(-1);
    run.output += process.readAll();
    run.crashed = !run.killed && process.exitStatus() == QProcess::CrashExit;
    return run;
}
} // namespace child

} // namespace quavero
