// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planner's questions answered by the real file system, and by the
// destination's record when the run has read one.
#include "convert/core/RunPlanner.h"

namespace quavero {

namespace planworld {
// destinationFolder: where throughLink looks; record may be null.
PlanWorld fileSystem(const QString &destinationFolder = QString(), const RecordTable *record = nullptr);
} // namespace planworld

} // namespace quavero
