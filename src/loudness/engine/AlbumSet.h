// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The albums of one run: how many of each album's entries are still to come,
// and their measurements so far. When an album's last entry is done, the
// album's loudness is known and its tracks' files can get the album pair.
#include <QString>
#include <QStringList>

#include <map>
#include <optional>

#include "loudness/engine/AlbumMeter.h"

namespace quavero {

struct FinishedAlbum {
    LoudnessMeasurement measurement;
    QStringList files; // the album's measured tracks, in the order they were done
};

class AlbumSet {
public:
    // Counts one entry of the run under its album key (loudness::albumKey);
    // an empty key belongs to no album and is not counted.
    void expect(const QString &key);
    // The entry's output at path is done and measured by meter; returns the
    // album when this was its last entry.
    std::optional<FinishedAlbum> trackDone(const QString &key, const QString &path, LoudnessMeter &&meter);
    // The entry ended without an output (failed, cancelled, skipped): the
    // album no longer waits for it.
    std::optional<FinishedAlbum> trackDropped(const QString &key);
    // Albums still waiting for entries.
    int openAlbums() const { return int(m_albums.size()); }

private:
    struct Album {
        int remaining = 0;
        AlbumMeter meter;
        QStringList files;
    };
    std::optional<FinishedAlbum> countDown(const QString &key);

    std::map<QString, Album> m_albums;
};

} // namespace quavero
