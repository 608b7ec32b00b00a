// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an input's first audio stream is: its codec, sample rate, channels and
// sample size, read from the report "ffmpeg -i <file>" prints (the same report
// the duration probe reads), e.g.
//   Stream #0:0: Audio: flac, 48000 Hz, mono, s32 (24 bit)
// The options that keep the input's values ("Same as input") and the copy of
// a file already in the output format decide from it.
#include <QString>

namespace quavero {

struct AudioStream {
    QString codec;        // ffmpeg's decoder name: "flac", "pcm_s24le", "aac"; empty when unknown
    QString sampleFormat; // the decoded samples: "s16", "s32", "fltp" ...
    int sampleRate = 0;   // Hz; 0 when unknown
    int channels = 0;     // 0 when unknown
    // Bits of each sample as the input holds it: 24 for "s32 (24 bit)", 16
    // for "s16", 32 for "flt" PCM. 0 where the samples have no fixed size
    // (a lossy codec decoded to floating point, DSD).
    int bitsPerSample = 0;
    int audioStreams = 0;     // how many audio streams the file holds
    bool motionVideo = false; // a video stream that is not an attached cover picture

    // True when the report named an audio stream with its rate.
    bool known() const { return sampleRate > 0; }
    bool operator==(const AudioStream &o) const
    {
        return codec == o.codec && sampleFormat == o.sampleFormat && sampleRate == o.sampleRate &&
               channels == o.channels && bitsPerSample == o.bitsPerSample && audioStreams == o.audioStreams &&
               motionVideo == o.motionVideo;
    }
    bool operator!=(const AudioStream &o) const { return !(*this == o); }
};

namespace filelist {
// The first audio stream of one input's report (any "Stream #k:n" line
// counts, so an input's part of a batched report reads as its lone report).
// An empty AudioStream (known() false) when the report names no audio stream.
AudioStream audioStreamFromReport(const QString &report);
// The channels of a layout as ffmpeg names it ("mono" 1, "5.1(side)" 6,
// "3 channels" 3); 0 for a name it does not know.
int channelsOfLayout(const QString &layout);
} // namespace filelist

} // namespace quavero
