// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of --list-formats: each format, the file extension it writes, and
// each of its options with its NAME and every VALUE it accepts, the default
// marked with "*".
#include <QString>

#include "formats/core/FormatTable.h"

namespace quavero {

namespace cli {
QString formatListing();
// The setting under which a format's effects apply ("mode=VBR"); empty when
// they always or never do.
QString effectsCondition(EffectsRule rule);
} // namespace cli

} // namespace quavero
