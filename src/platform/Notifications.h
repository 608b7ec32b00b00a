// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Desktop notifications (the bubble a desktop shows in a corner), sent
// through the org.freedesktop.Notifications service on the session bus.
// Without a session bus or a notification service nothing is shown and
// nothing fails. Tests give a fake that records what was sent.
#include <QString>

namespace quavero {

class INotifier {
public:
    virtual ~INotifier() = default;
    virtual void notify(const QString &summary, const QString &body) = 0;
};

class DBusNotifier : public INotifier {
public:
    // Sends and does not wait for an answer: a missing or slow service never
    // holds up the program.
    void notify(const QString &summary, const QString &body) override;
};

} // namespace quavero
