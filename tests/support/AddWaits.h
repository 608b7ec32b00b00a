// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Waiting for the file list's adds: runs a command that adds files and waits,
// with a bound, until the add has reported its end.
#include "app/AppDelegate.h"

#include <QSignalSpy>
#include <functional>

namespace quavero {

namespace testenv {
// True when command made the controller finish `adds` adds within timeoutMs.
inline bool addAndWait(AppDelegate &app, const std::function<void()> &command, int adds = 1, int timeoutMs = 60000)
{
    QSignalSpy finished(&app, &AppDelegate::addFinished);
    command();
    while (finished.count() < adds)
        if (!finished.wait(timeoutMs))
            return false;
    return true;
}
} // namespace testenv

} // namespace quavero
