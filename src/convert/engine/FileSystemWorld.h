// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planner's questions answered by the real file system.
#include "convert/core/RunPlanner.h"

namespace quavero {

namespace planworld {
PlanWorld fileSystem();
} // namespace planworld

} // namespace quavero
