// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the built quavero-cli as a user would, and gives back what it printed
// and its exit status.
#include <QProcess>
#include <QString>
#include <QStringList>

namespace quavero {

namespace clitest {
struct CliRun {
    bool finished = false; // false: it did not end within the bound
    int exitCode = -1;
    QString out;
    QString err;
};

// The built program: QUAVERO_BINARY_DIR + "/bin/quavero-cli" or + "/src/quavero-cli".
QString cliPath();
// A process set up to run the program with a private TMPDIR (the folder the
// run's temporary files must go to); the caller starts it.
void prepare(QProcess &process, const QStringList &arguments, const QString &tmpDir);
// Runs it to its end (at most two minutes) with TMPDIR set to tmpDir (or a
// shared temporary folder when empty).
CliRun runCli(const QStringList &arguments, const QString &tmpDir = QString());
// Reads the rest of a prepared process that has ended.
CliRun collect(QProcess &process, bool finished);

// The arguments a shell reads from a printed command line: the line is handed
// to /bin/sh, which splits and unquotes it.
QStringList shellWords(const QString &commandLine);
// The audio of a file decoded to 16-bit mono samples at its own rate.
QByteArray decodedSamples(const QString &path);
} // namespace clitest

} // namespace quavero
