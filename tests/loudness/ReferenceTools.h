// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Audio files made with ffmpeg and espeak-ng, and what tools we did not
// write say of them: loudgain's loudness and peaks, ffmpeg's ebur128 filter,
// and the tags as mutagen reads them.
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace quavero {

namespace reference {
// Runs ffmpeg with the arguments; true when it succeeded.
bool ffmpeg(const QStringList &arguments);
// Pink noise, a 997 Hz tone, or espeak-ng speech, written to path (any
// format ffmpeg writes by its extension); empty on failure.
QString pinkNoise(const QString &path, double seconds, double amplitude, int seed = 7);
QString tone(const QString &path, double seconds, double amplitude, int rate = 44100);
QString speech(const QString &path);
QString silence(const QString &path, double seconds);

struct LoudgainRow {
    double lufs = 0.0;
    double truePeak = 0.0; // the peak loudgain reports and writes: the true peak
    double gainDb = 0.0;
};
// loudgain's rows for the files, in their order; with album, the album's row
// is last. Empty when loudgain failed.
QList<LoudgainRow> loudgain(const QStringList &files, bool album = false);

struct Ebur128Summary {
    bool ok = false;
    double integrated = 0.0; // LUFS
    double truePeak = 0.0;   // dBTP
};
// ffmpeg's own loudness meter over the whole file.
Ebur128Summary ebur128(const QString &path);

// The file's tags as mutagen (python3) reads them: its key for each field
// (Vorbis comments in lower case, "TXXX:NAME" for ID3v2, the full
// "----:com.apple.iTunes:name" for MP4) and their texts.
QMap<QString, QStringList> mutagenTags(const QString &path);
} // namespace reference

} // namespace quavero
