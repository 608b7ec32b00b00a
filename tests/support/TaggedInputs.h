// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Input files for the tag tests, made once per test program with ffmpeg (and
// TagLib where ffmpeg cannot write what a tagger would), and ways to read
// back what an output holds: TagLib's property map and ffprobe's view.
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include "convert/engine/ConversionJob.h"

namespace quavero {

namespace taggedinputs {
// The tags every tagged input carries.
extern const char *const kTitle; // a CJK title
extern const char *const kAlbum; // "Fünf Stücke"
extern const char *const kArtist;

// An MP3 with ID3v2 tags, a 320x240 JPEG front cover and a PNG back cover
// described "Back side"; track 3 of 12, disc 1 of 2. One second of audio.
QString mp3();
// A FLAC with Vorbis comments (TRACKNUMBER 3 with TRACKTOTAL 12, ...) and a
// 320x240 PNG front cover.
QString flac();
// An MP3 without any tag or picture.
QString untaggedMp3();
// A tagged MP3 whose pictures the outputs cannot all take: one that is no
// image at all and one PNG of 17 MB.
QString mp3WithBadPictures();
// A 320x240 cover made with ffmpeg ("png" or "jpg").
QByteArray cover(const char *kind);

// Converts one file with a ConversionJob and waits for its end.
ConversionResult convert(const QString &input, int formatIndex, const FormatRecords &records,
                         const QString &destination, bool copyTags = true);

// The output's text tags as TagLib reads them (upper-case keys).
QMap<QString, QStringList> fieldsOf(const QString &path);

// An attached picture as ffprobe sees it.
struct ProbedPicture {
    int width = 0;
    int height = 0;
    QString comment; // ffmpeg's name of the picture type, "Cover (front)"
};
QList<ProbedPicture> probedPictures(const QString &path);
// The length of the decoded audio in seconds (ffprobe's duration of a tagged
// .WMA is an estimate from the bitrate, which the pictures change).
double decodedSeconds(const QString &path);
// The tags as ffprobe reads them from the file and its audio stream, the
// keys in lower case.
QMap<QString, QString> probedTags(const QString &path);
} // namespace taggedinputs

} // namespace quavero
