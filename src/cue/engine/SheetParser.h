// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Parses the text of a CUE sheet with libcue.
//
// libcue keeps its parser's state in globals, so one sheet is parsed at a
// time, behind a lock. It reports errors only on standard error and gives up
// (no sheet) when it cannot go on; a line it does not understand is passed
// over. What libcue lets through (a track without FILE or INDEX 01) is
// checked on the result (cue::checkSheet).
#include <QByteArray>

#include "cue/core/CueSheet.h"

namespace quavero {

struct ParsedSheet {
    bool ok = false; // false: libcue found no sheet in the text
    CueSheet sheet;
};

namespace cue {
// text: as cue::forParser gives it (UTF-8, "\n" line ends, a final newline).
// Safe to call from any thread.
ParsedSheet parse(const QByteArray &text);
} // namespace cue

} // namespace quavero
