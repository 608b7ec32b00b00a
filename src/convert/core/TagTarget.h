// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where each output format keeps the tags and pictures copied from the input.
// Pure: the table the tag-copy step and its documentation follow.
#include <QtGlobal>

#include "convert/core/TagSet.h"

namespace quavero {

// The kind of file the tag-copy step opens to write the tags.
enum class TagFile {
    None,         // .AC3, .AMR, .RAW: no tags at all; left untouched
    KeptByFfmpeg, // .CAF, .AU: what ffmpeg (and sox) wrote stays as it is
    Mpeg,         // .MP3: ID3v2.4
    Flac,         // .FLAC: Vorbis comments and PICTURE blocks
    OggVorbis,    // .OGG: Vorbis comments with METADATA_BLOCK_PICTURE
    OggSpeex,     // .SPX: the same in a Speex stream
    OggOpus,      // .OPUS: the same in an Opus stream
    Mp4,          // .M4A: MP4 atoms, pictures in "covr"
    Asf,          // .WMA: ASF attributes, pictures in WM/Picture
    Wav,          // .WAV: a RIFF INFO list and an ID3v2 chunk
    Aiff,         // .AIFC, .AIFF, .AIF: an ID3v2 chunk
};

struct TagTarget {
    TagFile file = TagFile::None;
    tags::NumberStyle numbers = tags::NumberStyle::Joined;
    // Largest picture the format takes, counted as FLAC counts a picture
    // block (the image with its MIME type, description and 32 bytes of fields).
    qint64 maxPictureBytes = 0;
    bool typedPictures = true;     // type and description are kept (MP4 keeps neither)
    bool webpPictures = true;      // MP4 names only JPEG, PNG, GIF and BMP pictures
    bool keepsFfmpegCover = false; // .MP3: ffmpeg has copied the cover already
    bool writes() const { return file != TagFile::None && file != TagFile::KeptByFfmpeg; }
};

namespace tags {
// The target of an output format index (None outside the table).
TagTarget targetFor(qint64 formatIndex);
} // namespace tags

} // namespace quavero
