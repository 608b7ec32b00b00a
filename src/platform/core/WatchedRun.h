// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A child whose joined output and error are read as they come, and which is
// killed when it stops making progress: a program stuck on a file that never
// answers (a hung network share, say) cannot hold its caller forever.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

namespace quavero {

struct WatchedRun {
    bool started = false; // false: the program could not be started at all
    bool killed = false;  // ended by the watch (no progress, or asked to stop)
    bool crashed = false; // ended by a signal it was not sent by the watch
    QByteArray output;    // standard output and standard error, joined
};

namespace child {
// Runs program with arguments (standard input /dev/null, output and error
// joined) until it exits. When it writes nothing for stallMs milliseconds, or
// when stop() answers true (asked about ten times a second), it is killed.
// Blocks the calling thread; safe to call from any thread.
WatchedRun runWatched(const QString &program, const QStringList &arguments, int stallMs,
                      const std::function<bool()> &stop = {});
} // namespace child

} // namespace quavero
