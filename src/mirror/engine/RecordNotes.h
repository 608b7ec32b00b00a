// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rows a run notes as its outputs are published, written to the record
// in batches. A transaction of its own for every output would wait for the
// disk each time (tens of milliseconds on a slow one), longer than copying a
// small file; a batch at most once a second costs that wait once. A row lost
// with a batch that a crash cut off costs little: its output exists and is
// newer than its input, so the next run keeps it by that rule, and notes it.
#include <QElapsedTimer>
#include <QList>

#include "mirror/core/RecordRow.h"

namespace quavero {

class LibraryRecord;

class RecordNotes {
public:
    // record may be null (a run without a record): the notes go nowhere.
    explicit RecordNotes(LibraryRecord *record, int intervalMs = 1000);
    // Writes what is still waiting.
    ~RecordNotes();
    RecordNotes(const RecordNotes &) = delete;
    RecordNotes &operator=(const RecordNotes &) = delete;

    // Notes the row; writes the waiting rows when the interval has passed
    // since the last write.
    void add(const RecordRow &row);
    // Writes the waiting rows now, in one transaction. When the record is
    // busy the rows wait for the next write; false then, and when the record
    // cannot take them at all.
    bool flush();
    int waiting() const { return int(m_waiting.size()); }

private:
    LibraryRecord *m_record;
    int m_intervalMs;
    QElapsedTimer m_sinceWrite;
    QList<RecordRow> m_waiting;
};

} // namespace quavero
