// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/core/StopSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace quavero {

namespace {
int g_pipe[2] = {-1, -1};
volatile std::sig_atomic_t g_signal = 0;

void onSignal(int number)
{
    if (g_signal == 0)
        g_signal = number;
    const unsigned char byte = static_cast<unsigned char>(number);
    const int saved = errno;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

void install(int number)
{
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // The handler is used once: a second Ctrl-C while the first is being
    // handled ends the program at once, as the user plainly wants.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    sigaction(number, &action, nullptr);
}
constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};
} // namespace

StopSignalWatcher::StopSignalWatcher(QObject *parent) : QObject(parent)
{
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return; // without the pipe Ctrl-C keeps its default effect
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &StopSignalWatcher::onReadable);
    for (const int number : kStopSignals)
        install(number);
}

StopSignalWatcher::~StopSignalWatcher()
{
    for (const int number : kStopSignals)
        std::signal(number, SIG_DFL);
    delete m_notifier;
    for (int &fd : g_pipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

bool StopSignalWatcher::signalled() { return g_signal != 0; }

int StopSignalWatcher::signalNumber() { return g_signal; }

void StopSignalWatcher::onReadable()
{
    unsigned char byte = 0;
    int number = 0;
    while (::read(g_pipe[0], &byte, 1) == 1)
        number = number ? number : byte;
    if (number)
        emit interrupted(number);
}

} // namespace quavero
