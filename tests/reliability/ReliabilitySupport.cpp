// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReliabilitySupport.h"

#include "TestApp.h"
#include "platform/core/ChildProcess.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>
#include <unistd.h>

namespace quavero {

namespace reliability {
SmallDisk::SmallDisk(const QString &name, int kilobytes) : m_path(testenv::freshFolder(name))
{
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k";
    if (::mount("tmpfs", QFile::encodeName(m_path).constData(), "tmpfs", 0, options.constData()) == 0)
        m_mounted = true;
    else
        m_why = QStringLiteral("cannot mount a %1 KB tmpfs on %2 (%3): the full-disk cases need root")
                    .arg(kilobytes)
                    .arg(m_path, QString::fromLocal8Bit(std::strerror(errno)));
}

SmallDisk::~SmallDisk()
{
    if (m_mounted && ::umount(QFile::encodeName(m_path).constData()) != 0)
        ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
    QDir(m_path).removeRecursively();
}

void SmallDisk::fillLeaving(int leftKilobytes)
{
    QFile filler(m_path + QStringLiteral("/filler"));
    filler.open(QIODevice::WriteOnly);
    const QByteArray block(1024, '\0');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();
    // Full now; give back what should stay free.
    const qint64 size = QFileInfo(filler.fileName()).size();
    filler.resize(qMax<qint64>(0, size - qint64(leftKilobytes) * 1024));
}

QStringList SmallDisk::entries() const
{
    return QDir(m_path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

namespace {
QString built(const char *name)
{
    for (const char *place : {"/bin/", "/src/"}) {
        const QString path = QStringLiteral(QUAVERO_BINARY_DIR) + QLatin1String(place) + QLatin1String(name);
        if (QFileInfo(path).isExecutable())
            return path;
    }
    return QStringLiteral(QUAVERO_BINARY_DIR "/bin/") + QLatin1String(name) + QStringLiteral(" (not built)");
}
} // namespace

QString cliPath() { return built("quavero-cli"); }

QString windowPath() { return built("quavero"); }

QProcessEnvironment environment(const QString &home, const QString &tmpDir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString h = home.isEmpty() ? QDir::homePath() : home;
    env.insert(QStringLiteral("HOME"), h);
    env.insert(QStringLiteral("TMPDIR"), tmpDir.isEmpty() ? QDir::tempPath() : tmpDir);
    const QString runtime = h + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

ProgramRun collect(QProcess &process, bool finished)
{
    ProgramRun run;
    run.finished = finished && process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

namespace {
ProgramRun runToEnd(QProcess &process, int timeoutMs)
{
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    const bool finished = process.waitForStarted() && process.waitForFinished(timeoutMs);
    if (!finished) {
        process.kill();
        process.waitForFinished();
    }
    return collect(process, finished);
}
} // namespace

ProgramRun runCli(const QStringList &arguments, const QString &tmpDir, int timeoutMs)
{
    QProcess process;
    process.setProcessEnvironment(environment(QString(), tmpDir));
    process.setProgram(cliPath());
    process.setArguments(arguments);
    return runToEnd(process, timeoutMs);
}

ProgramRun runShell(const QString &line, const QProcessEnvironment &env, int timeoutMs)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setProgram(QStringLiteral("/bin/sh"));
    process.setArguments({QStringLiteral("-c"), line});
    return runToEnd(process, timeoutMs);
}

bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(20);
    }
    return true;
}

QList<qint64> processesWithArgument(const QString &text)
{
    QList<qint64> found;
    const QByteArray wanted = QFile::encodeName(text);
    for (const QString &name : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const qint64 pid = name.toLongLong(&isPid);
        if (!isPid)
            continue;
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(name));
        if (!cmdline.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> arguments = cmdline.readAll().split('\0');
        // A zombie has an empty command line: it has ended.
        if (arguments.contains(wanted))
            found << pid;
    }
    return found;
}

QByteArray hashOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1).toHex();
}

QString makeFlac(const QString &path, double seconds) { return testenv::makeTone(path, seconds, 44100, 1); }
QString temporaryBeingWritten(const QString &folder)
{
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral(".quavero-part-*")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo &file : files)
        if (file.size() > 0)
            return file.filePath();
    return QString();
}
} // namespace reliability

} // namespace quavero
