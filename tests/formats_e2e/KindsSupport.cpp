// SPDX-License-Identifier: GPL-3.0-or-later
#include "KindsSupport.h"

#include "TestApp.h"
#include "cli/CommandLine.h"
#include "cli/ConvertCommand.h"
#include "platform/core/ChildProcess.h"

#include <QProcess>

namespace quavero {

namespace kinds {
bool ffmpegMakes(const QStringList &arguments)
{
    return child::runJoined(testenv::ffmpeg(), QStringList{"-v", "error", "-y"} + arguments).exitCode == 0;
}

int run(const QString &program, const QStringList &arguments, QString *output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(10000))
        return -1;
    process.waitForFinished(60000);
    if (output)
        *output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

int convertWithCli(const QStringList &arguments)
{
    const cli::ParsedCommandLine parsed = cli::parseCommandLine(QStringList{"-q"} + arguments);
    if (!parsed.ok())
        return -1;
    return cli::runConversion(parsed.request, ProgramPaths{testenv::ffmpeg(), testenv::sox()});
}

QByteArray decoded(const QString &path, const char *format)
{
    const JoinedRun run = child::runJoined(
        testenv::ffmpeg(), {"-v", "error", "-i", path, "-map", "0:a:0", "-f", QLatin1String(format), "-"});
    return run.exitCode == 0 ? run.output : QByteArray();
}
} // namespace kinds

} // namespace quavero
