// SPDX-License-Identifier: GPL-3.0-or-later
#include "cue/core/SheetTracks.h"

#include "cue/core/TrackTags.h"

namespace quavero {

namespace cue {
namespace {
constexpr qint64 kFramesPerSecond = 75;

qint64 startOf(const CueTrack &track, int sampleRate)
{
    return track.exactStart >= 0 ? track.exactStart : framesToSamples(track.index01, sampleRate);
}

SheetFailure failure(FailureKind kind, const QString &source, int track = 0, const QString &file = QString())
{
    SheetFailure f;
    f.kind = kind;
    f.source = source;
    f.track = track;
    f.file = file;
    return f;
}
} // namespace

qint64 framesToSamples(qint64 frames, int sampleRate)
{
    // Rounded to the nearest sample; 75 is odd, so there is never a tie.
    return (2 * frames * sampleRate + kFramesPerSecond) / (2 * kFramesPerSecond);
}

SheetFailure checkSheet(const CueSheet &sheet, const QString &source)
{
    bool anyAudio = false;
    for (const CueTrack &t : sheet.tracks) {
        if (t.file.isEmpty())
            return failure(FailureKind::TrackWithoutFile, source, t.number);
        if (t.index01 < 0 && t.exactStart < 0)
            return failure(FailureKind::TrackWithoutStart, source, t.number);
        anyAudio = anyAudio || t.audio;
    }
    if (!anyAudio)
        return failure(FailureKind::NoAudioTracks, source);
    return {};
}

TrackListing sheetTracks(const CueSheet &sheet, const QMap<QString, SheetImage> &images, const QString &source)
{
    TrackListing listing;
    int count = 0;
    for (const CueTrack &t : sheet.tracks)
        count += t.audio ? 1 : 0;

    const QList<CueTrack> &tracks = sheet.tracks;
    for (int i = 0; i < tracks.size(); ++i) {
        const CueTrack &t = tracks[i];
        if (!t.audio && !images.contains(t.file)) {
            // A data track in a file of its own (the data session of an
            // enhanced CD): no audio file to find.
            listing.dataTracks << t.number;
            continue;
        }
        if (!images.contains(t.file)) {
            listing.failure = failure(FailureKind::MissingImage, source, t.number, t.file);
            return listing;
        }
        const SheetImage &image = images[t.file];
        const bool firstInFile = i == 0 || tracks[i - 1].file != t.file;
        const qint64 start = firstInFile ? 0 : startOf(t, image.sampleRate);
        const bool lastInFile = i + 1 == tracks.size() || tracks[i + 1].file != t.file;
        const qint64 end = lastInFile ? image.totalSamples : startOf(tracks[i + 1], image.sampleRate);
        // The start the sheet gives is checked even for the first track of a
        // file, which begins at 0: a start past the end means another file.
        const qint64 ownStart = startOf(t, image.sampleRate);
        if (image.totalSamples >= 0 && ownStart >= image.totalSamples) {
            listing.failure = failure(FailureKind::StartsAfterEnd, source, t.number, t.file);
            return listing;
        }
        if (!lastInFile && end <= ownStart) {
            listing.failure = failure(FailureKind::OutOfOrder, source, tracks[i + 1].number, t.file);
            return listing;
        }
        if (!t.audio) {
            listing.dataTracks << t.number;
            continue;
        }
        SheetTrack track;
        track.number = int(listing.tracks.size()) + 1;
        track.count = count;
        track.sheetNumber = t.number;
        track.imagePath = image.path;
        track.sampleRate = image.sampleRate;
        track.range = SampleRange{start, end};
        track.tags = sheetTags(sheet, t, track.number, count);
        track.baseName = baseName(track.number, count, t.title);
        listing.tracks << track;
    }
    return listing;
}
} // namespace cue

} // namespace quavero
