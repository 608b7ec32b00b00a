// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A run's use of its destination's record, for both front ends: the record
// is opened when the settings keep the destination in step (update, or
// removing orphans), the run's plan is made from its rows while the record
// is held (so that a run publishing into the same destination at that
// moment is seen whole), and the ledger puts the run's files in place and
// notes them. A record that cannot be used is said in plain words and the
// run goes on without it: converting as if it were not there, removing
// nothing.
#include <QString>
#include <memory>

#include "convert/core/RunPlanner.h"

namespace quavero {

class LibraryRecord;
class OutputLedger;

class DestinationRecord {
public:
    // write: a run that writes (the record is made when missing); a dry run
    // makes nothing.
    DestinationRecord(const QString &destinationFolder, const SettingsSnapshot &settings, bool write);
    ~DestinationRecord();

    // The run's plan (runplan::make), from the record's rows when there is one.
    RunPlan plan(const SettingsSnapshot &settings, const QList<PlanInput> &inputs, qint64 processId);
    // Where the run's finished files go.
    std::shared_ptr<OutputLedger> ledger() const { return m_ledger; }
    // What is wrong with the record, for the user; empty when all is well.
    QString problem() const;

private:
    QString m_destination;
    std::shared_ptr<LibraryRecord> m_record; // null when the settings keep none
    std::shared_ptr<OutputLedger> m_ledger;
};

} // namespace quavero
