// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness/engine/AlbumSet.h"

namespace quavero {

void AlbumSet::expect(const QString &key)
{
    if (!key.isEmpty())
        ++m_albums[key].remaining;
}

std::optional<FinishedAlbum> AlbumSet::trackDone(const QString &key, const QString &path, LoudnessMeter &&meter)
{
    const auto it = m_albums.find(key);
    if (it == m_albums.end())
        return std::nullopt;
    // A track too short or silent gets no loudness fields, the album's neither.
    if (meter.measurement().measured())
        it->second.files << path;
    it->second.meter.addTrack(std::move(meter));
    return countDown(key);
}

std::optional<FinishedAlbum> AlbumSet::trackDropped(const QString &key)
{
    if (m_albums.find(key) == m_albums.end())
        return std::nullopt;
    return countDown(key);
}

std::optional<FinishedAlbum> AlbumSet::countDown(const QString &key)
{
    Album &album = m_albums[key];
    if (--album.remaining > 0)
        return std::nullopt;
    FinishedAlbum finished{album.meter.measurement(), album.files};
    m_albums.erase(key);
    return finished;
}

} // namespace quavero
