// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planner: one pure decision, before anything runs, of what a run does
// with each entry and under which names.
//
// - Outputs are named by the output plan (outputplan::plan): no output of
//   the run replaces another, entries keep their relative folder when the
//   settings say so, an entry with a problem claims no name, and a numbered
//   name the destination's record gives an input stays with it.
// - Every file is written under a temporary name beside its final one (the
//   process id in it, see tempname) and published under the final name when
//   whole: ffmpeg's output, sox's, the tag step's copy.
// - An entry whose final path or temporary files would be one of the run's
//   input files fails instead (the safety check), so nothing writes there.
// - Each stage gets its program and argument vector: ffmpeg from the
//   encoder argument builder, sox from the effects arguments, both reading
//   the snapshot only.
// - With update, an entry whose output is up to date (the record's row, or
//   without one an output newer than its input) is skipped; with
//   deleteOrphans, the outputs the record lists whose input is not among the
//   run's inputs are removed, after every entry of the list.
//
// The file system and the record are asked only through the world.
#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "convert/core/EntryPlan.h"
#include "convert/core/TagSet.h"

namespace quavero {

class RecordTable;

// One entry as the run is given it.
struct PlanInput {
    PlanInput() = default;
    PlanInput(NodeVideoFile entry_, QString problem_ = QString(), TagSet tags_ = TagSet())
        : entry(std::move(entry_)), problem(std::move(problem_)), tags(std::move(tags_))
    {
    }
    NodeVideoFile entry;
    QString problem; // why it cannot be converted at all (missing, not audio); empty when fine
    TagSet tags;     // its text tags, read before planning when the settings name outputs with a template
};

struct PlanWorld {
    std::function<bool(const QString &)> exists;
    std::function<QString(const QString &)> canonical;
    // The destination's record, read for this run; null when there is none.
    const RecordTable *record = nullptr;
    // A file's size and modification time: an input's (a link followed), an
    // output's (a link counts as none). Asked only with update or deleteOrphans.
    std::function<std::optional<FileStamp>(const QString &)> inputStamp;
    std::function<std::optional<FileStamp>(const QString &)> outputStamp;
    // True when destination/relative passes through a symbolic link.
    std::function<bool(const QString &relative)> throughLink;
};

namespace runplan {
// The inputs for a snapshot of the list: every entry without a problem.
QList<PlanInput> inputsFrom(const QList<NodeVideoFile> &entries);

// processId: of the process that will write the temporary files.
RunPlan make(const SettingsSnapshot &settings, const QList<PlanInput> &inputs, const QString &destinationFolder,
             qint64 processId, const PlanWorld &world);

// The final path, the temporary paths and the stages of one entry whose
// output name is known: ffmpeg, then sox when the effects follow. False (and
// no stages) for an unknown output format.
bool planStages(EntryPlan &entry, const SettingsSnapshot &settings, const QString &destinationFolder, qint64 processId);

// The entries of a plan (the list's, numbered as its inputs) whose audio
// stream (codec, rate, channels) would change what the plan does with them,
// but is not known: entries to convert that a copy of the same format may
// serve, and entries whose arguments keep the input's rate, channels or
// sample size or leave a film's video out. The command line asks ffmpeg about them and plans again; the window
// knows every entry's stream from the add.
QList<int> streamsWanted(const RunPlan &plan);

// The fingerprint of the settings the outputs of a run are made with.
QString fingerprintOf(const SettingsSnapshot &settings);
} // namespace runplan

} // namespace quavero
