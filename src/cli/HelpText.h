// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of --help and --version.
#include <QString>

namespace quavero {

namespace cli {
// processors: the default of -j on this machine, shown in the text.
QString helpText(int processors);
// The version, the licence, and the ffmpeg and sox conversions run, with theirs.
QString versionText();
} // namespace cli

} // namespace quavero
