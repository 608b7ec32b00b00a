#pragma once
// The input file list. The add worker appends from a background thread while
// the main thread reads, sorts and removes; every operation takes one lock, so
// an append never overlaps a read, a sort or a removal.
#include <QList>
#include <QMutex>
#include <functional>

#include "filelist/core/NodeVideoFile.h"

class VideoFileList {
public:
    int count() const;
    bool isEmpty() const { return count() == 0; }
    // A copy of entry i; an empty entry when i is out of range.
    NodeVideoFile at(int i) const;
    QList<NodeVideoFile> snapshot() const;
    void append(const NodeVideoFile &entry);
    void clear();
    // Removes the entries at the given indices (indices of the list before the
    // removal); indices out of range are ignored.
    void removeAt(QList<int> indices);
    // Stable sort with "less than".
    void sort(const std::function<bool(const NodeVideoFile &, const NodeVideoFile &)> &lessThan);

private:
    mutable QMutex m_mutex;
    QList<NodeVideoFile> m_entries;
};
