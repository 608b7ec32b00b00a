#include "filelist/core/VideoFileList.h"

#include <algorithm>

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

void VideoFileList::clear()
{
    QMutexLocker lock(&m_mutex);
    m_entries.clear();
}

void VideoFileList::removeAt(QList<int> indices)
{
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    QMutexLocker lock(&m_mutex);
    for (auto it = indices.crbegin(); it != indices.crend(); ++it)
        if (*it >= 0 && *it < m_entries.size())
            m_entries.removeAt(*it);
}

void VideoFileList::sort(const std::function<bool(const NodeVideoFile &, const NodeVideoFile &)> &lessThan)
{
    QMutexLocker lock(&m_mutex);
    std::stable_sort(m_entries.begin(), m_entries.end(), lessThan);
}
