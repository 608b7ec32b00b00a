// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What became of each entry of a run that has ended, as the one outcome both
// front ends render: the window's end-of-run alert and quavero-cli's summary.
#include <QString>
#include <functional>

#include "convert/core/RunOutcome.h"

namespace quavero {

class ConversionRun;

namespace rundetails {
// shown: how the front end names a file (the window: its name; the command
// line: its path as the user would read it). stopSignal: the signal that
// stopped the run, 0 when none did.
RunOutcome outcome(const ConversionRun &run, const std::function<QString(const QString &)> &shown, int stopSignal = 0);
} // namespace rundetails

} // namespace quavero
