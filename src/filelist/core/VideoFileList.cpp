// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/core/VideoFileList.h"

#include <vector>

namespace quavero {

int VideoFileList::count() const
{
    QMutexLocker lock(&m_mutex);
    return int(m_entries.size());
}

NodeVideoFile VideoFileList::at(int i) const
{
    QMutexLocker lock(&m_mutex);
    return (i >= 0 && i < m_entries.size()) ? m_entries.at(i) : NodeVideoFile();
}

QList<NodeVideoFile> VideoFileList::snapshot() const
{
    QMutexLocker lock(&m_mutex);
    return m_entries;
}

void VideoFileList::append(const NodeVideoFile &entry)
{
    QMutexLocker lock(&m_mutex);
    m_entries.append(entry);
}

void VideoFileList::append(const QList<NodeVideoFile> &entries)
{
    QMutexLocker lock(&m_mutex);
    m_entries.append(entries);
}

void VideoFileList::clear()
{
    QMutexLocker lock(&m_mutex);
    m_entries.clear();
}

void VideoFileList::removeAt(const QList<int> &indices)
{
    QMutexLocker lock(&m_mutex);
    // One pass over the list, however many entries go: removing them one by
    // one would move the rest of the list for each.
    std::vector<bool> removed(m_entries.size(), false);
    bool any = false;
    for (int i : indices)
        if (i >= 0 && i < m_entries.size())
            any = removed[i] = true;
    if (!any)
        return;
    QList<NodeVideoFile> kept;
    kept.reserve(m_entries.size());
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (!removed[i])
            kept << std::move(m_entries[i]);
    m_entries = std::move(kept);
}

void VideoFileList::sort(const std::function<void(QList<NodeVideoFile> &)> &sorter)
{
    QMutexLocker lock(&m_mutex);
    sorter(m_entries);
}

} // namespace quavero
