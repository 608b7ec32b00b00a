// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One row of a destination's library record: an output below the destination
// root and what it was made from. Plain data.
#include <QString>

namespace quavero {

// A file's size and modification time, as read from the file system.
struct FileStamp {
    qint64 size = -1;
    qint64 mtimeNs = 0; // nanoseconds since the epoch
};

inline bool operator==(const FileStamp &a, const FileStamp &b) { return a.size == b.size && a.mtimeNs == b.mtimeNs; }
inline bool operator!=(const FileStamp &a, const FileStamp &b) { return !(a == b); }

struct RecordRow {
    QString output;        // relative to the destination root, '/' between folders
    QString input;         // absolute path of the input it was made from
    FileStamp inputStamp;  // the input as it was when the output was made
    QString fingerprint;   // the settings it was made with (mirror::fingerprint)
    FileStamp outputStamp; // the output as it was written
};

} // namespace quavero
