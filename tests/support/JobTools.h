// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the job list's tests share: the built quavero-cli and shell commands
// run with a working folder and extra environment, and a folder's files
// with their bytes and stamps, to tell what a run wrote.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <sys/stat.h>

namespace quavero {

namespace jobtools {
struct Ran {
    bool finished = false; // false: it did not end within the bound
    int exitCode = -1;
    QString out;
    QString err;
    QString all() const { return out + err; }
};

// The built command-line program.
inline QString cliPath() { return QStringLiteral(QUAVERO_BINARY_DIR "/bin/quavero-cli"); }

// Runs program to its end (at most timeoutMs), in folder when given, with the
// extra environment; standard input is empty.
inline Ran run(const QString &program, const QStringList &arguments, const QString &folder = QString(),
               const QMap<QString, QString> &environment = {}, int timeoutMs = 120000)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (auto it = environment.begin(); it != environment.end(); ++it)
        env.insert(it.key(), it.value());
    process.setProcessEnvironment(env);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!folder.isEmpty())
        process.setWorkingDirectory(folder);
    process.start(program, arguments);
    Ran ran;
    ran.finished = process.waitForStarted() && process.waitForFinished(timeoutMs);
    if (!ran.finished) {
        process.kill();
        process.waitForFinished(5000);
    }
    ran.finished = ran.finished && process.exitStatus() == QProcess::NormalExit;
    ran.exitCode = process.exitCode();
    ran.out = QString::fromUtf8(process.readAllStandardOutput());
    ran.err = QString::fromUtf8(process.readAllStandardError());
    return ran;
}

inline Ran cli(const QStringList &arguments, const QString &folder = QString())
{
    return run(cliPath(), arguments, folder);
}

// A shell script run by bash, for the recipes as a user types them.
inline Ran shell(const QString &script, const QString &folder, const QMap<QString, QString> &environment = {},
                 int timeoutMs = 120000)
{
    return run(QStringLiteral("/bin/bash"), {QStringLiteral("-c"), script}, folder, environment, timeoutMs);
}

inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file below folder (hidden ones included) by its relative path.
inline QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

// Each file below folder with its bytes.
inline QMap<QString, QByteArray> bytesBelow(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : filesBelow(folder))
        files.insert(name, contents(folder + '/' + name));
    return files;
}

// Each file below folder with its inode and modification time: a file
// written again, even with the same bytes, shows.
inline QMap<QString, QString> stampsBelow(const QString &folder)
{
    QMap<QString, QString> stamps;
    for (const QString &name : filesBelow(folder)) {
        struct stat st;
        if (::stat(QFile::encodeName(folder + '/' + name).constData(), &st) == 0)
            stamps.insert(
                name,
                QStringLiteral("%1 %2.%3").arg(st.st_ino).arg(qint64(st.st_mtim.tv_sec)).arg(qint64(st.st_mtim.tv_nsec)));
    }
    return stamps;
}
} // namespace jobtools

} // namespace quavero
