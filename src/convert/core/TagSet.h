// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tags and pictures of one audio file, independent of its tag format:
// text fields under the usual upper-case names (TITLE, ARTIST, TRACKNUMBER,
// ...), each with one or more values, and the attached pictures in file order.
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace quavero {

struct TagPicture {
    // The picture types shared by ID3v2, FLAC, Vorbis comments and WMA.
    enum Type { Other = 0, FileIcon = 1, OtherFileIcon = 2, FrontCover = 3, BackCover = 4, LastKnownType = 20 };
    int type = FrontCover;
    QString mimeType; // as the input declares it; may be wrong or empty
    QString description;
    QByteArray data; // the image file's bytes
};

struct TagSet {
    QMap<QString, QStringList> fields;
    QList<TagPicture> pictures;
    bool isEmpty() const { return fields.isEmpty() && pictures.isEmpty(); }
};

namespace tags {
// How a tag format writes a number with its total.
enum class NumberStyle {
    Joined, // TRACKNUMBER "3/12", DISCNUMBER "1/2" (ID3v2, MP4, WMA, RIFF INFO)
    Split,  // TRACKNUMBER "3" with TRACKTOTAL "12", DISCNUMBER with DISCTOTAL (Vorbis comments)
};

// The fields with track and disc numbers written in the given style, whichever
// style they were read in (TOTALTRACKS and TOTALDISCS are read as totals too).
QMap<QString, QStringList> withNumbers(QMap<QString, QStringList> fields, NumberStyle style);

// "front cover", "back cover", "picture of type 7": how a report names a picture.
QString pictureName(int type);
} // namespace tags

} // namespace quavero
