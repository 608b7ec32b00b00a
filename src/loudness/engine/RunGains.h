// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A run's album gains. An album is the entries of the run that share an
// album tag (the input's) and an output folder; its loudness comes from all
// its tracks' gating blocks together. When its last entry has ended, each of
// its measured tracks' published files gets the album pair: a copy of the
// file under a temporary name beside it is tagged, then published over it
// through the ledger (flushed, renamed, its record row noted again), so a
// file under its final name is always whole, whatever happens meanwhile.
#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>

#include "convert/core/EntryPlan.h"
#include "loudness/engine/AlbumSet.h"

namespace quavero {

class OutputLedger;

class RunGains {
public:
    // Null when the run writes no album gains. The album tags of the entries
    // to convert are read here (TagLib, read-only).
    static std::shared_ptr<RunGains> forPlan(const RunPlan &plan, std::shared_ptr<OutputLedger> ledger);
    RunGains(const RunPlan &plan, std::shared_ptr<OutputLedger> ledger,
             const std::function<QString(const QString &input)> &albumTagOf);

    // The album key of an entry of the plan; empty when it belongs to none.
    QString albumOf(const EntryPlan &entry) const { return m_keys.value(entry.finalPath); }
    // The entry's output is published and was measured by meter: warnings
    // about the album pair when this was its album's last entry and some
    // file could not get it.
    QStringList trackDone(const EntryPlan &entry, LoudnessMeter &&meter);
    // The entry ended without an output; its album no longer waits for it.
    // writeAlbum false: the run is being stopped, nothing more is written.
    QStringList trackDropped(const EntryPlan &entry, bool writeAlbum);

private:
    QStringList writeAlbum(const FinishedAlbum &album);

    std::shared_ptr<OutputLedger> m_ledger;
    qint64 m_processId = 0;
    AlbumSet m_albums;
    QHash<QString, QString> m_keys;      // final path -> album key
    QHash<QString, EntryPlan> m_entries; // final path -> its plan, for publishing the album pair
};

} // namespace quavero
