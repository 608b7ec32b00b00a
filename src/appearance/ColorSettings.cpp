// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/ColorSettings.h"

#include "app/PreferenceKeys.h"

namespace quavero {

ColorSettings ColorSettings::restoredDefaults()
{
    return {defaultcolors::background(), defaultcolors::spectrum(), defaultcolors::tableBackground(),
            defaultcolors::tableForeground(), false};
}

} // namespace quavero
