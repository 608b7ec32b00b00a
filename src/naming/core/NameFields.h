// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fields an output-name template can use, and their values for one entry:
// taken from the entry's tags, its base name and its folder relative to where
// it was added. Pure.
#include <QString>
#include <QStringList>
#include <array>

#include "convert/core/TagSet.h"

namespace quavero {

namespace naming {
enum class Field {
    Title,
    Artist,
    Album,
    AlbumArtist,
    Track,
    TrackTotal,
    Disc,
    DiscTotal,
    Year,
    Genre,
    Composer,
    Name,
    Folder
};
constexpr int kFieldCount = int(Field::Folder) + 1;

// The field a template writes as {name} ("albumartist"), letter case
// forgiven; false when there is none.
bool fieldFromName(const QString &name, Field *field);
// "title", "artist", ... as a template writes them.
QString fieldName(Field field);
// Every field name, in the order above, for messages and help.
QStringList fieldNames();

struct NameFields {
    std::array<QString, kFieldCount> values; // trimmed; empty when the entry has none
    const QString &value(Field field) const { return values[size_t(field)]; }
};

// The values for one entry. Text fields with several values are joined with
// ", "; {albumartist} falls back to the artist; track and disc numbers are
// read from "3" or "3/12" (the total from the second part, TRACKTOTAL or
// TOTALTRACKS) and lose their leading zeros; the year is the first four
// digits in a row of DATE. relativeFolder is kept as it is ("Disc 1/Live").
NameFields fieldsFrom(const TagSet &tags, const QString &baseName, const QString &relativeFolder);
} // namespace naming

} // namespace quavero
