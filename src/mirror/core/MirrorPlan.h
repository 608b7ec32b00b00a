// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The destination as a mirror of the inputs, decided in the run's plan:
// entries whose outputs are up to date are skipped, and the outputs the
// record lists whose input is gone are added as entries to remove. Each
// entry that writes gets what the record will note for it. Pure: files and
// the record are asked through the planner's world.
#include "convert/core/RunPlanner.h"

namespace quavero {

namespace mirror {
// The output path relative to the destination, as the record stores it.
QString recordedOutput(const QString &destinationFolder, const QString &finalPath);

// Applies the settings' update and deleteOrphans to a plan made of inputs.
void planMirror(RunPlan &plan, const QList<PlanInput> &inputs, const PlanWorld &world);
} // namespace mirror

} // namespace quavero
