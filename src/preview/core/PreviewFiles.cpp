// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/core/PreviewFiles.h"

#include "cue/core/TrackEntry.h"
#include "filelist/core/PathParts.h"

namespace quavero {

namespace preview {
namespace {
// The entry's base name, as the list gives it.
QString baseNameOf(const QString &path) { return filelist::nameWithoutExtension(filelist::lastPathComponent(path)); }
} // namespace

QString wavPath(const QString &workFolder, const QString &entryPath)
{
    return workFolder + QLatin1Char('/') + baseNameOf(entryPath) + QStringLiteral(".wav");
}

QString wavPathSparingInputs(const QString &workFolder, const QString &entryPath,
                             const std::function<bool(const QString &path)> &isInput)
{
    QString path = wavPath(workFolder, entryPath);
    const QString base = workFolder + QLatin1Char('/') + baseNameOf(entryPath);
    for (int n = 1; isInput(path); ++n)
        path = base + (n == 1 ? QStringLiteral(" (preview).wav") : QStringLiteral(" (preview %1).wav").arg(n));
    return path;
}

QString spectrumPicturePath(const QString &workFolder, int number)
{
    return workFolder + QString::asprintf("/Spectrum%04d.png", number);
}

QStringList wavArguments(const QString &input, const QString &wav)
{
    return {QStringLiteral("-i"),
            input,
            QStringLiteral("-acodec"),
            QStringLiteral("pcm_s16le"),
            QStringLiteral("-ar"),
            QStringLiteral("44100"),
            QStringLiteral("-ac"),
            QStringLiteral("2"),
            wav};
}

QStringList wavArguments(const QString &input, const QString &wav, const ImageTrack &track)
{
    const QStringList whole = wavArguments(input, wav);
    return track.isTrack() ? cue::trackArguments(whole, track) : whole;
}

QString sourceKey(const QString &path, const ImageTrack &track)
{
    if (!track.isTrack())
        return path;
    return QStringLiteral("%1#%2-%3").arg(path).arg(track.range.start).arg(track.range.end);
}

QString filterColor(int red, int green, int blue, int alpha)
{
    QString value = QStringLiteral("0x");
    for (const int part : {red, green, blue, alpha})
        value += QStringLiteral("%1").arg(qBound(0, part, 255), 2, 16, QLatin1Char('0'));
    return value;
}

QStringList waveformArguments(const QString &input, const QString &picture, const QString &waveColor)
{
    // Each column of the picture spans thousands of samples. The filter's
    // default averages them, which flattens a song of a few minutes into a
    // thin line; their peaks draw the waveform's outline. The one colour
    // given serves every channel.
    return {QStringLiteral("-i"),
            input,
            QStringLiteral("-filter_complex"),
            QStringLiteral("showwavespic=colors=%1:filter=peak").arg(waveColor),
            QStringLiteral("-vframes"),
            QStringLiteral("1"),
            picture};
}
} // namespace preview

} // namespace quavero
