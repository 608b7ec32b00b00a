// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The first audio stream of the inputs a plan needs it for, read with ffmpeg
// before the plan is made again: batched reports (as the window's add reads
// them), the batches spread over as many threads as files convert at once.
#include <QList>
#include <QString>

#include "convert/core/RunPlanner.h"

namespace quavero {

namespace cli {
void probeStreams(QList<PlanInput> &inputs, const QList<int> &which, const QString &ffmpeg, int jobs);
} // namespace cli

} // namespace quavero
