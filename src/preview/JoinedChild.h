// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One child process with its output and error joined on one pipe that is read
// to its end, run without blocking the event loop. The preview runs its
// ffmpeg steps this way so the window stays responsive while they work.
#include <QObject>
#include <QStringList>

#include "platform/core/ChildProcess.h"

class QProcess;

namespace quavero {

class JoinedChild : public QObject {
    Q_OBJECT
public:
    // Starts program with arguments at once (standard input /dev/null).
    JoinedChild(const QString &program, const QStringList &arguments, QObject *parent);
    // A child still running is killed.
    ~JoinedChild() override;

    // What the child did; complete once finished() was emitted.
    const JoinedRun &result() const { return m_run; }
    // A file the child is writing, deleted when the child is abandoned so that
    // no half-written file is left behind.
    void setPartialOutput(const QString &path) { m_partialOutput = path; }
    // Kills the child; finished() will not be emitted. The object deletes itself.
    void abandon();

signals:
    // Emitted once from the event loop when the child has exited, or could
    // not be started at all.
    void finished();

private:
    void end();

    QProcess *m_process;
    JoinedRun m_run;
    QString m_partialOutput;
    bool m_ended = false;
};

} // namespace quavero
