// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/TagTarget.h"

#include "formats/core/FormatTable.h"

namespace quavero {

namespace tags {
namespace {
// A FLAC metadata block has a 24-bit length; Vorbis comments carry the same block.
constexpr qint64 kFlacBlockLimit = (qint64(1) << 24) - 1;
// Beyond this a picture is not a cover but a mistake: it is not copied, so one
// bad input cannot make every output tens of megabytes larger.
constexpr qint64 kPictureLimit = 64 * 1024 * 1024;

TagTarget target(TagFile file, NumberStyle numbers, qint64 maxPictureBytes)
{
    TagTarget t;
    t.file = file;
    t.numbers = numbers;
    t.maxPictureBytes = maxPictureBytes;
    return t;
}
} // namespace

TagTarget targetFor(qint64 formatIndex)
{
    const OutputFormat *format = formats::at(formatIndex);
    if (!format)
        return TagTarget{};
    switch (format->record) {
    case RecordKind::None: // .AC3
    case RecordKind::AMR:
    case RecordKind::RAW:
        return TagTarget{};
    case RecordKind::AU:
    case RecordKind::CAF:
        return target(TagFile::KeptByFfmpeg, NumberStyle::Joined, 0);
    case RecordKind::MP3: {
        TagTarget t = target(TagFile::Mpeg, NumberStyle::Joined, kPictureLimit);
        t.keepsFfmpegCover = true;
        return t;
    }
    case RecordKind::FLAC:
        return target(TagFile::Flac, NumberStyle::Split, kFlacBlockLimit);
    case RecordKind::OGG:
        return target(TagFile::OggVorbis, NumberStyle::Split, kFlacBlockLimit);
    case RecordKind::SPX:
        return target(TagFile::OggSpeex, NumberStyle::Split, kFlacBlockLimit);
    case RecordKind::OPUS:
        return target(TagFile::OggOpus, NumberStyle::Split, kFlacBlockLimit);
    case RecordKind::M4A: {
        TagTarget t = target(TagFile::Mp4, NumberStyle::Joined, kPictureLimit);
        t.typedPictures = false;
        t.webpPictures = false;
        return t;
    }
    case RecordKind::WMA:
        return target(TagFile::Asf, NumberStyle::Joined, kPictureLimit);
    case RecordKind::WAV:
        return target(TagFile::Wav, NumberStyle::Joined, kPictureLimit);
    case RecordKind::AIFF:
        return target(TagFile::Aiff, NumberStyle::Joined, kPictureLimit);
    }
    return TagTarget{};
}
} // namespace tags

} // namespace quavero
