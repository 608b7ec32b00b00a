// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One entry of a conversion run as the run was set up: the list entry, the
// folder below the destination its output goes to and the base name of that
// output, decided when the run takes its snapshot of the list. Pure.
#include <QList>
#include <QString>
#include <functional>

#include "convert/core/EncoderCommand.h"
#include "filelist/core/NodeVideoFile.h"

namespace quavero {

struct RunEntry {
    NodeVideoFile entry;
    OutputName output;    // subfolder below the destination ("" for none) and base name of the output
    bool renamed = false; // numbered, because another entry of the run has the same output name
    QString problem;      // why it cannot be converted at all; empty when fine
    bool ready = true;    // false until its duration is known (the run waits for it)
};

namespace runentries {
// The run's entries for a snapshot of the list: each output straight into
// the destination folder under the input's own base name.
QList<RunEntry> fromList(const QList<NodeVideoFile> &entries);

// Plans the outputs of the entries that have no problem (outputplan::plan):
// no output of the run replaces another, and with keepStructure each entry
// keeps its relative folder below the destination. An entry with a problem
// writes nothing and claims no name.
void planOutputs(QList<RunEntry> &entries, const QString &destinationFolder, qint64 formatIndex, bool keepStructure,
                 const std::function<bool(const QString &)> &exists);
} // namespace runentries

} // namespace quavero
