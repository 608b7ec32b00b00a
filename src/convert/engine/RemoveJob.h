// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An output the destination's record lists whose input is gone: removed
// through the ledger, only while it is still the file the record describes,
// and its row forgotten.
#include <QObject>
#include <memory>

#include "convert/engine/RunJob.h"

namespace quavero {

class RemoveJob : public QObject, public RunJob {
    Q_OBJECT
public:
    explicit RemoveJob(std::shared_ptr<OutputLedger> ledger);

    void start(const EntryPlan &plan) override;
    // A removal takes no time: there is nothing to stop.
    void stop() override {}

private:
    std::shared_ptr<OutputLedger> m_ledger;
};

} // namespace quavero
