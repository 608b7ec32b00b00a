// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirror/engine/DestinationRecord.h"

#include "convert/engine/FileSystemWorld.h"
#include "mirror/core/RecordTable.h"
#include "mirror/engine/LibraryRecord.h"
#include "mirror/engine/OutputLedger.h"

namespace quavero {

DestinationRecord::DestinationRecord(const QString &destinationFolder, const SettingsSnapshot &settings, bool write)
    : m_destination(destinationFolder)
{
    if (settings.update || settings.deleteOrphans) {
        m_record = std::make_shared<LibraryRecord>(destinationFolder);
        m_record->open(write);
    }
    m_ledger = std::make_shared<OutputLedger>(m_record);
}

DestinationRecord::~DestinationRecord() = default;

RunPlan DestinationRecord::plan(const SettingsSnapshot &settings, const QList<PlanInput> &inputs, qint64 processId)
{
    if (!m_record || m_record->state() != RecordState::Open)
        return runplan::make(settings, inputs, m_destination, processId, planworld::fileSystem(m_destination));
    // Held while the plan is made: another run's outputs appear with their rows.
    const bool held = m_record->begin();
    const RecordTable table = m_record->readAll();
    const RunPlan plan =
        runplan::make(settings, inputs, m_destination, processId, planworld::fileSystem(m_destination, &table));
    if (held)
        m_record->commit();
    return plan;
}

QString DestinationRecord::problem() const { return m_record ? m_record->problem() : QString(); }

} // namespace quavero
