// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Brings the signals that ask the program to end (SIGINT: Ctrl-C, SIGTERM:
// logout or kill, SIGHUP: the terminal closed or the ssh session dropped)
// onto the event loop: the signal handler only writes the signal number into
// a pipe, and a socket notifier on the pipe's read end emits interrupted()
// from the loop, where it is safe to end children and remove files.
#include <QObject>

class QSocketNotifier;

namespace quavero {

class StopSignalWatcher : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; only one watcher may exist at a time.
    explicit StopSignalWatcher(QObject *parent = nullptr);
    ~StopSignalWatcher() override;

    // True from the moment a signal arrived, even before interrupted() was
    // delivered: a child that ends at the same moment (the terminal sends
    // Ctrl-C to it too) must not be taken for a finished conversion.
    static bool signalled();
    // The number of the signal that arrived, 0 when none did.
    static int signalNumber();

signals:
    void interrupted(int signalNumber);

private:
    void onReadable();
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace quavero
