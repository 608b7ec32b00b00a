// SPDX-License-Identifier: GPL-3.0-or-later
#include "cue/engine/SheetEntries.h"

#include "cue/core/TrackEntry.h"
#include "cue/engine/SheetReader.h"
#include "platform/core/FileSystem.h"

#include <QFileInfo>
#include <QSet>

namespace quavero {

namespace cue {
namespace {
// The same file under whatever name it was given or found.
QString fileKey(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QFileInfo(path).absoluteFilePath() : canonical;
}

// Only a FLAC image is asked for a sheet inside it: asking every file of a
// large add would open each with TagLib for nothing.
bool mayHoldSheet(const QString &path) { return path.endsWith(QLatin1String(".flac"), Qt::CaseInsensitive); }

struct Expansion {
    QList<NodeVideoFile> tracks;
    QString failure;
    QStringList images; // the files the tracks are cut from
};

Expansion tracksOf(const SheetReading &reading, const NodeVideoFile &given)
{
    Expansion expansion;
    if (!reading.ok()) {
        expansion.failure = reading.failure.reason();
        return expansion;
    }
    for (const SheetTrack &track : reading.tracks) {
        qint64 imageSamples = -1;
        for (const FoundImage &image : reading.images)
            if (image.path == track.imagePath)
                imageSamples = image.totalSamples;
        NodeVideoFile entry = trackEntry(track, reading.sheetPath, imageSamples);
        entry.setS_Relative_Folder(given.s_Relative_Folder());
        expansion.tracks << entry;
    }
    for (const FoundImage &image : reading.images)
        expansion.images << fileKey(image.path);
    return expansion;
}
} // namespace

QList<ExpandedEntry> expandSheets(const QList<NodeVideoFile> &entries)
{
    // Sheets first, so that their images are known before the files are walked.
    QList<Expansion> sheets(entries.size());
    QSet<QString> sheetImages;
    for (int i = 0; i < entries.size(); ++i) {
        const QString path = entries.at(i).s_File_Path();
        if (!isSheetPath(path))
            continue;
        sheets[i] = tracksOf(readSheetFile(path), entries.at(i));
        for (const QString &image : std::as_const(sheets[i].images))
            sheetImages.insert(image);
    }

    QList<ExpandedEntry> expanded;
    expanded.reserve(entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        const NodeVideoFile &given = entries.at(i);
        const QString path = given.s_File_Path();
        if (isSheetPath(path)) {
            if (!sheets.at(i).failure.isEmpty())
                expanded.append({given, i, sheets.at(i).failure});
            for (const NodeVideoFile &track : std::as_const(sheets.at(i).tracks))
                expanded.append({track, i, QString()});
            continue;
        }
        const bool regular = fs::regularFileProblem(path).isEmpty() && fs::exists(path);
        if (regular && sheetImages.contains(fileKey(path)))
            continue; // its sheet lists its tracks
        if (regular && !given.m_Track().isTrack() && mayHoldSheet(path)) {
            const SheetReading embedded = readEmbeddedSheet(path);
            // A FLAC file without a sheet, or with one that gives no tracks,
            // is converted whole as any other file.
            if (embedded.ok()) {
                for (const NodeVideoFile &track : tracksOf(embedded, given).tracks)
                    expanded.append({track, i, QString()});
                continue;
            }
        }
        expanded.append({given, i, QString()});
    }
    return expanded;
}
} // namespace cue

} // namespace quavero
