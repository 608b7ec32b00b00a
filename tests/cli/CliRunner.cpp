// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliRunner.h"

#include "TestApp.h"
#include "platform/core/ChildProcess.h"

#include <QDir>
#include <QFileInfo>
#include <QProcessEnvironment>

namespace quavero {

namespace clitest {
QString cliPath()
{
    for (const char *place : {"/bin/quavero-cli", "/src/quavero-cli"}) {
        const QString path = QStringLiteral(QUAVERO_BINARY_DIR) + QLatin1String(place);
        if (QFileInfo(path).isExecutable())
            return path;
    }
    return QStringLiteral(QUAVERO_BINARY_DIR "/bin/quavero-cli (not built: build the target quavero-cli)");
}

void prepare(QProcess &process, const QStringList &arguments, const QString &tmpDir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TMPDIR"), tmpDir.isEmpty() ? QDir::tempPath() : tmpDir);
    process.setProcessEnvironment(env);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProgram(cliPath());
    process.setArguments(arguments);
}

CliRun collect(QProcess &process, bool finished)
{
    CliRun run;
    run.finished = finished && process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

CliRun runCli(const QStringList &arguments, const QString &tmpDir)
{
    QProcess process;
    prepare(process, arguments, tmpDir);
    process.start();
    const bool finished = process.waitForStarted() && process.waitForFinished(120000);
    if (!finished)
        process.kill();
    return collect(process, finished);
}

QStringList shellWords(const QString &commandLine)
{
    const JoinedRun run =
        child::runJoined(QStringLiteral("/bin/sh"),
                         {QStringLiteral("-c"),
                          QStringLiteral("set -- %1; for w in \"$@\"; do printf '%s\\0' \"$w\"; done").arg(commandLine)});
    QStringList words = QString::fromUtf8(run.output).split(QChar(0));
    if (!words.isEmpty() && words.last().isEmpty())
        words.removeLast();
    return words;
}

QByteArray decodedSamples(const QString &path)
{
    return child::runJoined(testenv::ffmpeg(), {"-v", "quiet", "-i", path, "-ac", "1", "-f", "s16le", "-"}).output;
}
} // namespace clitest

} // namespace quavero
