// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Child processes. Programs get an argument vector, never a shell command
// line, and always /dev/null as standard input, so a question from a child
// can never hang the program. Every child is killed when the program ends,
// however it ends (even by SIGKILL): no ffmpeg or sox runs on as an orphan.
#include <QByteArray>
#include <QString>
#include <QStringList>

class QObject;
class QProcess;

namespace quavero {

struct JoinedRun {
    bool started = false; // false: the program could not be started at all
    bool crashed = false;
    int exitCode = -1;
    QByteArray output; // standard output and standard error, joined
};

namespace child {
// Asks the system to kill the child started by process when the thread that
// starts it ends (with the program, when that is the main thread or a thread
// that waits for the child). Every QProcess of the program gets it.
void dieWithParent(QProcess &process);
// Runs program with arguments, output and error joined on one pipe read to its
// end; returns when the child has exited.
JoinedRun runJoined(const QString &program, const QStringList &arguments);
// Starts program in process with output and error joined and standard input
// /dev/null, and waits until it runs; on failure *error describes why.
bool startJoined(QProcess &process, const QString &program, const QStringList &arguments, QByteArray *error);
// A process set up for separate output and error pipes with notices on the
// main loop, standard input /dev/null. Owned by parent.
QProcess *newProcess(QObject *parent);
// True when program names an executable file (or one found on the PATH).
bool canRun(const QString &program);
} // namespace child

} // namespace quavero
