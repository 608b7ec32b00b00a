// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop notification that tells a user away from the window that a
// run has ended: how many files were converted and how many failed. Pure.
#include <QString>

namespace quavero {

struct RunNotice {
    QString summary; // "Conversion finished"
    QString body;    // "3 files converted, 1 failed."
};

namespace runnotice {
RunNotice forRun(int converted, int failed);
} // namespace runnotice

} // namespace quavero
