// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/core/PlaybackControls.h"

namespace quavero {

namespace preview {
std::optional<PlaybackControls> controlsFor(qint64 status)
{
    switch (status) {
    case Stopped:
        return PlaybackControls{true, false, false, CounterAction::StopAndReset};
    case Playing:
        return PlaybackControls{false, true, true, CounterAction::Restart};
    case Paused:
        return PlaybackControls{true, false, true, CounterAction::Stop};
    default:
        return std::nullopt;
    }
}
} // namespace preview

} // namespace quavero
