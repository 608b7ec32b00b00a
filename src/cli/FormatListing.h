#pragma once
// The text of --list-formats: each format, the file extension it writes, and
// each of its options with its NAME and every VALUE it accepts, the default
// marked with "*".
#include <QString>

namespace cli {
QString formatListing();
} // namespace cli
