// SPDX-License-Identifier: GPL-3.0-or-later
#include "naming/core/NameFields.h"

#include <QRegularExpression>

namespace quavero {

namespace naming {
namespace {
constexpr const char *kNames[kFieldCount] = {"title",      "artist", "album",     "albumartist", "track",
                                             "tracktotal", "disc",   "disctotal", "year",        "genre",
                                             "composer",   "name",   "folder"};

QString joined(const QMap<QString, QStringList> &fields, const char *key)
{
    QStringList values;
    for (const QString &v : fields.value(QLatin1String(key))) {
        const QString t = v.trimmed();
        if (!t.isEmpty())
            values << t;
    }
    return values.join(QLatin1String(", "));
}

// "03" -> "3"; text that is not a plain number ("A1") stays as it is.
QString number(const QString &text)
{
    bool ok = false;
    const qulonglong n = text.toULongLong(&ok);
    return ok ? QString::number(n) : text;
}

QString yearOf(const QString &date)
{
    static const QRegularExpression fourDigits(QStringLiteral("[0-9]{4}"));
    const QRegularExpressionMatch m = fourDigits.match(date);
    return m.hasMatch() ? m.captured() : QString();
}
} // namespace

bool fieldFromName(const QString &name, Field *field)
{
    const QString wanted = name.trimmed().toLower();
    for (int i = 0; i < kFieldCount; ++i) {
        if (wanted == fieldName(Field(i))) {
            *field = Field(i);
            return true;
        }
    }
    return false;
}

QString fieldName(Field field) { return QLatin1String(kNames[int(field)]); }

QStringList fieldNames()
{
    QStringList names;
    for (int i = 0; i < kFieldCount; ++i)
        names << fieldName(Field(i));
    return names;
}

NameFields fieldsFrom(const TagSet &tags, const QString &baseName, const QString &relativeFolder)
{
    const QMap<QString, QStringList> f = tags::withNumbers(tags.fields, tags::NumberStyle::Split);
    NameFields out;
    auto set = [&out](Field field, const QString &value) { out.values[size_t(field)] = value.trimmed(); };
    set(Field::Title, joined(f, "TITLE"));
    set(Field::Artist, joined(f, "ARTIST"));
    set(Field::Album, joined(f, "ALBUM"));
    const QString albumArtist = joined(f, "ALBUMARTIST");
    set(Field::AlbumArtist, albumArtist.isEmpty() ? out.value(Field::Artist) : albumArtist);
    set(Field::Track, number(f.value(QStringLiteral("TRACKNUMBER")).value(0).trimmed()));
    set(Field::TrackTotal, number(f.value(QStringLiteral("TRACKTOTAL")).value(0).trimmed()));
    set(Field::Disc, number(f.value(QStringLiteral("DISCNUMBER")).value(0).trimmed()));
    set(Field::DiscTotal, number(f.value(QStringLiteral("DISCTOTAL")).value(0).trimmed()));
    set(Field::Year, yearOf(f.value(QStringLiteral("DATE")).value(0)));
    set(Field::Genre, joined(f, "GENRE"));
    set(Field::Composer, joined(f, "COMPOSER"));
    set(Field::Name, baseName);
    set(Field::Folder, relativeFolder);
    return out;
}
} // namespace naming

} // namespace quavero
