// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirror/engine/OutputLedger.h"

#include "mirror/engine/FileStamps.h"
#include "mirror/engine/LibraryRecord.h"
#include "platform/core/FileSystem.h"

namespace quavero {

namespace {
RecordRow rowFor(const EntryPlan &entry, const FileStamp &output)
{
    RecordRow row;
    row.output = entry.recordOutput;
    row.input = entry.input.s_File_Path();
    row.inputStamp = entry.inputStamp;
    row.fingerprint = entry.fingerprint;
    row.outputStamp = output;
    return row;
}
} // namespace

OutputLedger::OutputLedger(std::shared_ptr<LibraryRecord> record) : m_record(std::move(record)) {}

bool OutputLedger::publish(const EntryPlan &entry, const QString &temporaryPath, QString *error)
{
    const bool noting = m_record && m_record->state() == RecordState::Open && !entry.recordOutput.isEmpty();
    // A record another run holds for longer than the record waits is no
    // reason to lose the file: it is published all the same, and its row is
    // missing (the next run keeps the output, as newer than its input).
    const bool locked = noting && m_record->begin();
    if (!fs::publish(temporaryPath, entry.finalPath, error)) {
        if (locked)
            m_record->rollback();
        return false;
    }
    if (noting) {
        if (const std::optional<FileStamp> stamp = mirror::outputStampOf(entry.finalPath))
            m_record->note(rowFor(entry, *stamp));
    }
    if (locked)
        m_record->commit();
    return true;
}

mirror::Removal OutputLedger::remove(const EntryPlan &entry, QString *error)
{
    const QString root = entry.finalPath.left(entry.finalPath.size() - entry.recordOutput.size() - 1);
    const mirror::Removal removal = mirror::removeBelow(root, entry.recordOutput, entry.outputStamp, error);
    if (m_record && m_record->state() == RecordState::Open &&
        (removal == mirror::Removal::Removed || removal == mirror::Removal::Gone))
        m_record->forget({entry.recordOutput});
    return removal;
}

void OutputLedger::noteBeforeRun(const RunPlan &plan)
{
    if (!m_record || m_record->state() != RecordState::Open)
        return;
    if (!m_record->begin())
        return;
    if (!plan.forgottenOutputs.isEmpty())
        m_record->forget(plan.forgottenOutputs);
    for (const EntryPlan &entry : plan.entries)
        if (entry.action == PlanAction::Skip && entry.unrecorded && entry.outputStamp.size >= 0)
            m_record->note(rowFor(entry, entry.outputStamp));
    m_record->commit();
}

} // namespace quavero
