// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which jobs a worker runs: one job by its index, or the K-th of C equal
// slices of the list (K from 0 to C-1, as a job array numbers its tasks), so
// that C workers together run every job exactly once. Pure.
#include <QString>

namespace quavero {

struct JobChunk {
    qint64 part = 0;  // K
    qint64 parts = 1; // C
};

struct JobRange {
    qint64 begin = 0; // the first index
    qint64 end = 0;   // one past the last
    qint64 size() const { return end - begin; }
};

namespace jobs {
// "K/C" with 0 <= K < C; false, with the reason, for anything else.
bool readChunk(const QString &text, JobChunk *chunk, QString *error);
// The jobs of the chunk in a list of count jobs: the slices differ in size
// by one job at most, and a chunk past the jobs is empty.
JobRange rangeOf(const JobChunk &chunk, qint64 count);
} // namespace jobs

} // namespace quavero
