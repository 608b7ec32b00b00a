// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The input file list. The add worker appends from a background thread while
// the main thread reads, sorts and removes; every operation takes one lock, so
// an append never overlaps a read, a sort or a removal.
#include <QList>
#include <QMutex>
#include <functional>

#include "filelist/core/NodeVideoFile.h"

namespace quavero {

class VideoFileList {
public:
    int count() const;
    bool isEmpty() const { return count() == 0; }
    // A copy of entry i; an empty entry when i is out of range.
    NodeVideoFile at(int i) const;
    QList<NodeVideoFile> snapshot() const;
    void append(const NodeVideoFile &entry);
    // Appends the entries in their order, all under one lock.
    void append(const QList<NodeVideoFile> &entries);
    void clear();
    // Removes the entries at the given indices (indices of the list before the
    // removal); indices out of range are ignored.
    void removeAt(const QList<int> &indices);
    // Reorders the entries with sorter, under the lock. The sorter must keep
    // every entry.
    void sort(const std::function<void(QList<NodeVideoFile> &)> &sorter);

private:
    mutable QMutex m_mutex;
    QList<NodeVideoFile> m_entries;
};

} // namespace quavero
