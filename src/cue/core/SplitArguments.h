// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ffmpeg arguments that cut the samples [start, end) out of an image,
// exactly, without decoding the image from its start. Pure.
//
//   ffmpeg -ss <S> -i <image> ... -af atrim=start_sample=<a>:end_sample=<b>,asetpts=N/SR/TB ... <output>
//
// S is the range's start rounded down to a whole second, so that ffmpeg's
// seek point is a whole number of samples at any sample rate. ffmpeg seeks to
// the audio frame that holds S and, with its accurate seek (on by default),
// drops the decoded samples before S: its output begins at sample S * rate
// exactly. atrim then counts samples from there: a = start - S * rate and
// b = end - S * rate, at most a second of audio decoded and dropped. When the
// range ends at b, atrim ends the stream and ffmpeg stops reading the image.
// asetpts lets the track's timestamps begin at 0, so containers that keep a
// start time (MP4, Ogg) do not hold a track that begins late.
//
// Checked against shnsplit's pieces of WAV and FLAC images with boundaries
// inside FLAC frames and with pregaps: equal, sample for sample.
#include <QString>
#include <QStringList>

#include "cue/core/SheetTracks.h"

namespace quavero {

struct SplitArguments {
    QStringList input; // "-ss", "<S>", "-i", "<image>": what goes before the output options
    QString filter;    // the audio filters that cut the range, first in the output's filter chain
};

namespace cue {
// input: the image as ffmpeg is to open it (a path, or "file:" text).
SplitArguments splitArguments(const QString &input, const SampleRange &range, int sampleRate);

// outputArguments (a format's output options) with filter first in their
// audio filter chain: prepended to the value of an "-af" or "-filter:a"
// there, else added as "-af <filter>" at the front. ffmpeg takes one audio
// filter chain per output, so the two must be one.
QStringList withFilter(const QStringList &outputArguments, const QString &filter);
} // namespace cue

} // namespace quavero
