// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quavero {

// What quavero-cli's exit status means.
namespace cli {
enum class ExitStatus {
    Converted = 0,     // every file was converted (or there was nothing to do)
    SomeFailed = 1,    // at least one file could not be converted
    UsageError = 2,    // the command line is wrong; nothing was done
    Interrupted = 130, // Ctrl-C: 128 + SIGINT, as shells report it
};
} // namespace cli

} // namespace quavero
