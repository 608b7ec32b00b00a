// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ffmpeg command of one list entry: the argument vector, the path ffmpeg
// writes, the path the user gets and whether the effects stage (sox) follows.
// Pure: reads the records at the moment it is called and touches no file; the
// deletion of an old output is the caller's separate step.
#include <QString>
#include <QStringList>

#include "filelist/core/NodeVideoFile.h"
#include "formats/core/Records.h"

namespace quavero {

// Where one entry's output goes: a folder below the destination and a base
// name. Empty fields mean straight into the destination, under the entry's
// own base name.
struct OutputName {
    QString subfolder; // relative to the destination ("Album/CD 1"), no "..", no leading "/"
    QString baseName;  // "a (2)"
};

struct EncoderCommand {
    bool valid = false;       // false when the format index is not one of the formats
    QStringList arguments;    // ffmpeg's argument vector, program path not included
    QString ffmpegOutputPath; // the intermediate path when effects follow, else the final path
    QString finalFolder;      // the folder of finalPath: the destination, or a folder below it
    QString finalPath;        // "<final folder>/<base name><extension>"
    bool effects = false;     // true when sox turns ffmpegOutputPath into finalPath
};

namespace encoder {
// True when the effects stage follows ffmpeg for this format with these records
// (.AIFF family uncompressed, .AU, .FLAC, .OGG with variable bitrate, .WAV).
bool effectsFollow(qint64 formatIndex, const FormatRecords &records);

// "<folder>/<base name><extension>", joined with "/" without normalising.
QString finalPath(const QString &destinationFolder, const QString &baseName, const QString &extension);
// The longest file name, in bytes, that the usual Linux file systems take.
constexpr int kMaxNameBytes = 255;
// "<base name>001<extension>" (number 1; 2 gives "002"): the name of the file
// ffmpeg writes in the work folder when effects follow. A base name too long
// for the file system's limit once the number and extension are added is
// shortened at its end, so that the name stays within kMaxNameBytes.
QString intermediateName(const QString &baseName, const QString &extension, int number = 1);
// The work folder joined with the intermediate name.
QString intermediatePath(const QString &workFolder, const QString &baseName, const QString &extension, int number = 1);

// The input element: the entry's file URL as text with every percent escape
// decoded ("file:///music/100% live.wav"); ffmpeg opens it through "file:".
QString inputText(const NodeVideoFile &entry);

// The folder an output goes to: the destination itself, or the subfolder
// below it.
QString outputFolder(const QString &destinationFolder, const QString &subfolder);

// ffmpeg's argument vector for one entry writing outputPath: the input, the
// format's options (reading the entry's audio stream where an option is
// "Same as input"), the streams it takes, the output.
// Empty for an unknown format.
QStringList arguments(qint64 formatIndex, const NodeVideoFile &entry, const FormatRecords &records,
                      const QString &outputPath);

// The whole command for one entry, written where name says; intermediateNumber
// numbers its intermediate file (see intermediateName).
EncoderCommand build(qint64 formatIndex, const NodeVideoFile &entry, const QString &destinationFolder,
                     const QString &workFolder, const FormatRecords &records, const OutputName &name = {},
                     int intermediateNumber = 1);
} // namespace encoder

} // namespace quavero
