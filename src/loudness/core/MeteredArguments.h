// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// ffmpeg argument vectors for measuring loudness, made from a conversion's
// own vector ("[-ss S] -i <input> <output options> <output>"), so the meter
// hears the audio exactly as the output gets it: after the output's audio
// filter chain, at its rate and with its channels. Pure.
#include <QString>
#include <QStringList>

namespace quavero {

// Which of an entry's stages sends decoded audio to the loudness meter on its
// standard output, and what the measurement is for.
enum class LoudnessTap {
    None,
    Track,     // the track's loudness tags (and its album's)
    Normalize, // the gain of the stage that converts next
};

namespace loudness {
// Stands in the converting stage's filter chain for the normalising gain
// until the measuring stage before it has found it.
inline const QString kGainPlaceholder = QStringLiteral("volume=MEASURED_GAIN");

// The conversion with a second output: the decoded audio split off after the
// output's filters (asplit) and sent to standard output as float WAV, while
// the file is encoded from the same decoding.
QStringList meteredArguments(const QStringList &conversion);
// A pass that decodes the conversion's input as its output would hear it
// (same filters, rate and channels) to standard output, and writes no file.
QStringList measureArguments(const QStringList &conversion);
// The conversion with filter last in its output's audio filter chain.
QStringList withFilterLast(const QStringList &conversion, const QString &filter);
// The arguments with the placeholder replaced by the volume filter of gainDb.
QStringList withGain(QStringList arguments, double gainDb);
} // namespace loudness

} // namespace quavero
