// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirror/engine/RecordNotes.h"

#include "mirror/engine/LibraryRecord.h"

namespace quavero {

RecordNotes::RecordNotes(LibraryRecord *record, int intervalMs) : m_record(record), m_intervalMs(intervalMs)
{
    m_sinceWrite.start();
}

RecordNotes::~RecordNotes() { flush(); }

void RecordNotes::add(const RecordRow &row)
{
    if (!m_record || m_record->state() != RecordState::Open)
        return;
    m_waiting.append(row);
    if (m_sinceWrite.elapsed() >= m_intervalMs)
        flush();
}

bool RecordNotes::flush()
{
    m_sinceWrite.restart();
    if (m_waiting.isEmpty())
        return true;
    if (!m_record || m_record->state() != RecordState::Open) {
        m_waiting.clear();
        return false;
    }
    bool written = m_record->begin();
    for (const RecordRow &row : m_waiting)
        written = written && m_record->note(row);
    written = written && m_record->commit();
    if (!written)
        m_record->rollback();
    // Rows refused by a busy record wait for the next write; a record that
    // cannot be written any more takes none of them.
    if (written || m_record->state() != RecordState::Open)
        m_waiting.clear();
    return written;
}

} // namespace quavero
