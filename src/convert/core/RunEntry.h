#pragma once
// One entry of a conversion run as the run was set up: the list entry, the
// folder its output goes to and the base name of that output, decided when
// the run takes its snapshot of the list. Pure.
#include <QList>
#include <QString>

#include "filelist/core/NodeVideoFile.h"

struct RunEntry {
    NodeVideoFile entry;
    QString destinationFolder; // where its output goes (an absolute path)
    QString outputBaseName;    // the output's name without its extension
    QString problem;           // why it cannot be converted at all; empty when fine
    bool ready = true;         // false until its duration is known (the run waits for it)
};

namespace runentries {
// The run's entries for a snapshot of the list: each output goes straight into
// the destination folder under the input's own base name.
QList<RunEntry> plan(const QList<NodeVideoFile> &entries, const QString &destinationFolder);

// The list entry as the encoder should see it: the planned base name in place
// of the input's (the input itself is read through its URL).
NodeVideoFile forEncoder(const RunEntry &entry);
} // namespace runentries
