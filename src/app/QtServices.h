// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform services of the desktop program, backed by Qt, wired into one
// Services value for the application controller.
#include "app/Services.h"
#include "platform/Appearance.h"
#include "platform/Desktop.h"
#include "platform/Notifications.h"
#include "platform/Prompts.h"
#include "platform/QtSound.h"
#include "platform/core/Preferences.h"

namespace quavero {

class QtServices {
public:
    // exitProcess ends the process at once: nothing is saved at exit.
    QtServices();
    QtServices(const QtServices &) = delete;
    QtServices &operator=(const QtServices &) = delete;

    QtPreferences preferences;
    QtPrompts prompts;
    QtAppearance appearance;
    QtDesktop desktop;
    QtSoundFactory sounds;
    DBusNotifier notifier;
    Services services;
};

} // namespace quavero
