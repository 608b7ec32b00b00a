// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness/core/GainFields.h"

#include "loudness/core/Gains.h"

namespace quavero {

namespace loudness {
namespace {
const QString kTrackGain = QStringLiteral("REPLAYGAIN_TRACK_GAIN");
const QString kTrackPeak = QStringLiteral("REPLAYGAIN_TRACK_PEAK");
const QString kAlbumGain = QStringLiteral("REPLAYGAIN_ALBUM_GAIN");
const QString kAlbumPeak = QStringLiteral("REPLAYGAIN_ALBUM_PEAK");
const QString kReference = QStringLiteral("REPLAYGAIN_REFERENCE_LOUDNESS");
const QString kOpusTrack = QStringLiteral("R128_TRACK_GAIN");
const QString kOpusAlbum = QStringLiteral("R128_ALBUM_GAIN");

GainFields clearing(const QStringList &names)
{
    GainFields fields;
    for (const QString &name : names)
        fields << GainField{name, QString()};
    return fields;
}
} // namespace

QStringList fieldNames(GainStyle style)
{
    const QStringList replayGain{kTrackGain, kTrackPeak, kAlbumGain, kAlbumPeak, kReference};
    switch (style) {
    case GainStyle::None:
        return {};
    case GainStyle::ReplayGain:
        return replayGain;
    case GainStyle::R128:
        return QStringList{kOpusTrack, kOpusAlbum} + replayGain;
    }
    return {};
}

GainFields trackFields(GainStyle style, const LoudnessMeasurement &track)
{
    if (style == GainStyle::None)
        return {};
    if (!track.measured())
        return clearing(fieldNames(style));
    if (style == GainStyle::R128) {
        GainFields fields{{kOpusTrack, QString::number(opusGainQ78(track.lufs))}};
        return fields + clearing(fieldNames(style).mid(1));
    }
    return GainFields{{kTrackGain, gainText(replayGainDb(track.lufs))},
                      {kTrackPeak, peakText(track.truePeak)},
                      {kReference, referenceText()}} +
           clearing({kAlbumGain, kAlbumPeak});
}

GainFields albumFields(GainStyle style, const LoudnessMeasurement &album)
{
    if (style == GainStyle::None || !album.measured())
        return {};
    if (style == GainStyle::R128)
        return {{kOpusAlbum, QString::number(opusGainQ78(album.lufs))}};
    return {{kAlbumGain, gainText(replayGainDb(album.lufs))}, {kAlbumPeak, peakText(album.truePeak)}};
}
} // namespace loudness

} // namespace quavero
