// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QtServices.h"

#include <cstdio>
#include <cstdlib>

namespace quavero {

QtServices::QtServices()
{
    services.preferences = &preferences;
    services.prompts = &prompts;
    services.appearance = &appearance;
    services.desktop = &desktop;
    services.sounds = &sounds;
    services.notifier = &notifier;
    services.exitProcess = [](int status) {
        std::fflush(nullptr);
        std::_Exit(status);
    };
}

} // namespace quavero
