// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The part of quavero-cli's help about naming outputs from their tags.
#include <QString>

namespace quavero {

namespace cli {
QString namingHelp();
} // namespace cli

} // namespace quavero
