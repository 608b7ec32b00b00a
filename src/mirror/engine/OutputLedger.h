// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a run's finished files are put under their final names and entered
// in the destination's record. Publishing a file and noting it are one step
// under the record's write lock, and a run plans under the same lock: a run
// that plans while another publishes sees an output together with its row,
// or neither, so a numbered name found on the disk is always one the record
// gives to its input, never taken for a stranger's file and numbered again.
//
// Without a record (a run that neither updates nor removes orphans) the
// ledger only publishes.
#include <QString>
#include <memory>

#include "convert/core/EntryPlan.h"
#include "mirror/engine/OrphanRemoval.h"

namespace quavero {

class LibraryRecord;

class OutputLedger {
public:
    // record may be null.
    explicit OutputLedger(std::shared_ptr<LibraryRecord> record = {});

    // Puts the whole temporary file under the entry's final name (flushed,
    // renamed over it, the folder flushed) and notes the entry's row. On
    // failure the final path is as it was and *error says why.
    bool publish(const EntryPlan &entry, const QString &temporaryPath, QString *error);
    // Removes an orphan of the plan when it is still what the record says,
    // and forgets its row.
    mirror::Removal remove(const EntryPlan &entry, QString *error);
    // Before the run's first entry: forgets the rows of outputs that are
    // gone, and notes the skipped entries the record had no row for (an
    // output newer than its input, made before there was a record).
    void noteBeforeRun(const RunPlan &plan);

private:
    std::shared_ptr<LibraryRecord> m_record;
};

} // namespace quavero
