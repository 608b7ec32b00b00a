// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The output formats, in combo-box order (new ones are appended, so stored
// format numbers keep their meaning). Everything that differs per
// format and is not an encoder argument lives in this one table.
#include <QString>
#include <QVector>

namespace quavero {

// Which settings record a format reads (None for .AC3).
enum class RecordKind { None, AIFF, AMR, AU, CAF, FLAC, MP3, OGG, RAW, SPX, WAV, WMA, M4A, OPUS };

// When the effects stage (sox) follows ffmpeg for a format.
enum class EffectsRule { Never, Always, WhenAiffUncompressed, WhenOggVbr };

struct OutputFormat {
    int index;         // position in the combo box, 0..kCount-1
    QString item;      // ".MP3"
    QString extension; // ".mp3": what the output file name ends with
    RecordKind record;
    QString recordName; // "MP3": dialog Window_AF_<name>, record Audio_Format_<name>
    EffectsRule effects;
};

namespace formats {
constexpr int kCount = 16;
constexpr int kDefaultIndex = 8; // .MP3
const QVector<OutputFormat> &all();
// The format at index, or nullptr outside 0..kCount-1.
const OutputFormat *at(qint64 index);
// "mp3", ".MP3", "Mp3" ... -> index; -1 when no format has that name.
int indexFromName(const QString &name);
// The accepted input extensions, lower case without the dot: the formats'
// own, in format order, then the other kinds ffmpeg reads (Opus, WavPack,
// Matroska ...). A name is accepted in any letter case.
const QStringList &acceptedExtensions();
} // namespace formats

} // namespace quavero
