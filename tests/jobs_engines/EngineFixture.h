// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Engines that run a job list's jobs, started and stopped by the tests
// themselves on this machine, on loopback only: an sshd that two host names
// reach (for GNU parallel), and a single-node Slurm (munged, slurmctld,
// slurmd). Each comes up from a script beside the tests that prints shell
// exports and goes down, by process id, through its down script.
#include <QMap>
#include <QString>

namespace quavero {

namespace engines {
class Engine {
public:
    // name: "ssh" or "slurm", the scripts' prefix.
    explicit Engine(const QString &name);
    ~Engine(); // stops it, leaving nothing running

    // Starts it; false, with why(), when it cannot start here.
    bool start(const QMap<QString, QString> &environment = {});
    void stop();
    QString why() const { return m_why; }
    // Its exports (PARALLEL_SSH, SLURM_CONF, ...) for the commands that use it.
    QMap<QString, QString> environment() const { return m_exports; }
    QString folder() const { return m_folder; }

private:
    QString m_name;
    QString m_folder;
    QMap<QString, QString> m_exports;
    QString m_why;
    bool m_up = false;
};

// A folder below /tmp/quavero-engines that every user may enter (munged
// runs as its own user); removed by the caller.
QString sharedScratch(const QString &name);
// A TCP port on 127.0.0.1 that nothing listens on now.
int freePort();
} // namespace engines

} // namespace quavero
