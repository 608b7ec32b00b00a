// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planner: one pure decision, before anything runs, of what a run does
// with each entry and under which names.
//
// - Outputs are named by the output plan (outputplan::plan): no output of
//   the run replaces another, entries keep their relative folder when the
//   settings say so, an entry with a problem claims no name.
// - An entry whose final path or intermediate file would be one of the run's
//   input files fails instead (the safety check), so nothing writes there.
// - Entries that go through sox get intermediate files of their own: the
//   first number whose name no earlier entry of the run has taken.
// - Each stage gets its program and argument vector: ffmpeg from the
//   encoder argument builder, sox from the effects arguments, both reading
//   the snapshot only.
//
// The file system is asked only through the world's functions: whether a
// path exists (for numbered names) and its canonical form (for the safety
// check).
#include <QList>
#include <QString>
#include <functional>

#include "convert/core/EntryPlan.h"

namespace quavero {

// One entry as the run is given it.
struct PlanInput {
    NodeVideoFile entry;
    QString problem; // why it cannot be converted at all (missing, not audio); empty when fine
};

struct PlanWorld {
    std::function<bool(const QString &)> exists;
    std::function<QString(const QString &)> canonical;
};

namespace runplan {
// The inputs for a snapshot of the list: every entry without a problem.
QList<PlanInput> inputsFrom(const QList<NodeVideoFile> &entries);

RunPlan make(const SettingsSnapshot &settings, const QList<PlanInput> &inputs, const QString &destinationFolder,
             const QString &workFolder, const PlanWorld &world);

// The final path and the stages of one entry whose output name is known:
// ffmpeg, then sox when the effects follow. intermediateNumber numbers the
// file sox reads. False (and no stages) for an unknown output format.
bool planStages(EntryPlan &entry, const SettingsSnapshot &settings, const QString &destinationFolder,
                const QString &workFolder, int intermediateNumber = 1);
} // namespace runplan

} // namespace quavero
