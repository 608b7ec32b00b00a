// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Play, Pause and Stop commands and the position counter look like
// in each playing status.
#include <QtGlobal>
#include <optional>

namespace quavero {

namespace preview {
enum PlayingStatus : qint64 { Stopped = 0, Playing = 1, Paused = 2 };

enum class CounterAction {
    StopAndReset, // cancel the counter and set the counted seconds to 0
    Restart,      // cancel and start the repeating 1 s counter; the count stays
    Stop,         // cancel the counter; the count stays
};

struct PlaybackControls {
    bool play = false;
    bool pause = false;
    bool stop = false;
    CounterAction counter = CounterAction::StopAndReset;
};

// The controls for a status; none for a value that is no status, which
// leaves everything as it is.
std::optional<PlaybackControls> controlsFor(qint64 status);
} // namespace preview

} // namespace quavero
