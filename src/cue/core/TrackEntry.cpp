// SPDX-License-Identifier: GPL-3.0-or-later
#include "cue/core/TrackEntry.h"

#include "cue/core/SplitArguments.h"
#include "filelist/core/FileEntry.h"
#include "filelist/core/SizeText.h"

#include <QUrl>
#include <cmath>

namespace quavero {

namespace cue {
NodeVideoFile trackEntry(const SheetTrack &track, const QString &sheetPath, qint64 imageSamples)
{
    NodeVideoFile entry = filelist::entryFromUrl(QUrl::fromLocalFile(track.imagePath));
    entry.setS_File_Name_Without_Extension(track.baseName);
    ImageTrack onEntry;
    onEntry.sheetPath = sheetPath;
    onEntry.number = track.number;
    onEntry.count = track.count;
    onEntry.range = track.range;
    onEntry.sampleRate = track.sampleRate;
    onEntry.imageSamples = imageSamples;
    onEntry.tags = track.tags;
    entry.setM_Track(onEntry);
    return entry;
}

qint64 trackSamples(const ImageTrack &track)
{
    if (!track.range.toEnd())
        return track.range.end - track.range.start;
    return track.imageSamples < 0 ? -1 : qMax<qint64>(0, track.imageSamples - track.range.start);
}

QString durationText(double seconds)
{
    // Tenths, rounded, as ffmpeg's report gives them to the list.
    const qint64 tenths = qint64(std::llround(qMax(0.0, seconds) * 10));
    const qint64 whole = tenths / 10;
    return QStringLiteral(" %1:%2:%3.%4")
        .arg(whole / 3600, 2, 10, QLatin1Char('0'))
        .arg(whole / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(whole % 60, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

NodeVideoFile withTrackShare(NodeVideoFile entry)
{
    ImageTrack track = entry.m_Track();
    if (!track.isTrack() || track.sampleRate <= 0)
        return entry;
    // The first time, the entry's duration and size are the image's: they are
    // kept on the track, so that an entry given its share already keeps it.
    if (track.imageSamples < 0 && entry.i_Duration_in_Seconds() > 0)
        track.imageSamples = entry.i_Duration_in_Seconds() * track.sampleRate;
    if (track.imageBytes < 0)
        track.imageBytes = qint64(entry.u_File_Size_Bytes());
    entry.setM_Track(track);
    const qint64 samples = trackSamples(track);
    if (samples < 0)
        return entry;
    const double seconds = double(samples) / track.sampleRate;
    entry.setS_Duration(durationText(seconds));
    entry.setI_Duration_in_Seconds(qint64(seconds));
    if (track.imageSamples > 0) {
        const double share = qBound(0.0, double(samples) / double(track.imageSamples), 1.0);
        const quint64 bytes = quint64(std::llround(double(track.imageBytes) * share));
        entry.setU_File_Size_Bytes(bytes);
        entry.setS_File_Size(filelist::sizeText(bytes));
    }
    return entry;
}

QString shownTrack(const QString &shownSheet, const QString &trackName)
{
    return QStringLiteral("%1 [%2]").arg(shownSheet, trackName);
}

QStringList trackArguments(const QStringList &wholeArguments, const ImageTrack &track)
{
    // The whole file's vector starts with its input: "-i", "<input>".
    if (wholeArguments.size() < 3 || wholeArguments.first() != QLatin1String("-i"))
        return wholeArguments;
    const SplitArguments split = splitArguments(wholeArguments.at(1), track.range, track.sampleRate);
    QStringList output = wholeArguments.mid(2);
    output.prepend(QStringLiteral("-1"));
    output.prepend(QStringLiteral("-map_metadata"));
    return split.input + withFilter(output, split.filter);
}
} // namespace cue

} // namespace quavero
