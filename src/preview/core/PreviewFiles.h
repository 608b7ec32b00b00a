// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the preview's scratch files live in the work folder, and the ffmpeg
// argument vectors that make them.
#include <QString>
#include <QStringList>
#include <functional>

#include "cue/core/ImageTrack.h"

namespace quavero {

namespace preview {
// The preview WAV of a list entry: "<work folder>/<base name>.wav", the base
// name being the one the list gives the entry (filelist::nameWithoutExtension:
// ".hidden" and "a." keep their dots). Entries whose names differ only in
// their extension share it.
QString wavPath(const QString &workFolder, const QString &entryPath);
// The preview WAV of a list entry that is not a file of the list itself (a
// file added from the work folder): wavPath, else "<base> (preview).wav",
// "<base> (preview 2).wav" and so on, the first for which isInput is false.
QString wavPathSparingInputs(const QString &workFolder, const QString &entryPath,
                             const std::function<bool(const QString &path)> &isInput);
// Waveform picture number n: "<work folder>/Spectrum0007.png", at least four
// digits (five from 10000 on).
QString spectrumPicturePath(const QString &workFolder, int number);
// ffmpeg turning any input into a 16-bit stereo 44.1 kHz WAV.
QStringList wavArguments(const QString &input, const QString &wav);
// The same for one track of an album image: the track alone, the image seeked
// to its start, so that the preview plays it and the waveform draws it alone.
QStringList wavArguments(const QString &input, const QString &wav, const ImageTrack &track);
// What a preview WAV was made from: the entry's path, and for a track of an
// image also where the track lies, as tracks of one image share the path.
QString sourceKey(const QString &path, const ImageTrack &track);
// A colour as ffmpeg's filters read it: "0xRRGGBBAA", each part 0 to 255.
QString filterColor(int red, int green, int blue, int alpha);
// ffmpeg drawing the waveform of input, its peaks, into one PNG picture: the
// wave in waveColor (a filterColor) on a transparent background, so that the
// pane can lay it over the background colour the user chose.
QStringList waveformArguments(const QString &input, const QString &picture, const QString &waveColor);
} // namespace preview

} // namespace quavero
