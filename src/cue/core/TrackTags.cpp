// SPDX-License-Identifier: GPL-3.0-or-later
#include "cue/core/TrackTags.h"

#include <QCoreApplication>

namespace quavero {

namespace cue {
namespace {
struct TrackText {
    Q_DECLARE_TR_FUNCTIONS(CueSheet)
};

// Room for the title in a base name: the longest name the usual file systems
// take (255 bytes) less room for a numbering suffix and an extension.
constexpr int kMaxTitleBytes = 200;

void put(TagSet &tags, const char *key, const QString &value)
{
    const QString v = value.trimmed();
    if (!v.isEmpty())
        tags.fields.insert(QLatin1String(key), {v});
}

QString firstNonEmpty(const QString &a, const QString &b) { return a.trimmed().isEmpty() ? b : a; }

bool describesWholeImage(const QString &key)
{
    static const QStringList whole{"TITLE", "TRACKNUMBER",           "TRACKTOTAL",           "TOTALTRACKS", "CUESHEET",
                                   "ISRC",  "REPLAYGAIN_TRACK_GAIN", "REPLAYGAIN_TRACK_PEAK"};
    return whole.contains(key) || key.startsWith(QLatin1String("CUE_TRACK"));
}

QString shortened(QString title)
{
    while (title.toUtf8().size() > kMaxTitleBytes) {
        title.chop(1);
        if (!title.isEmpty() && title.back().isHighSurrogate())
            title.chop(1);
    }
    return title.trimmed();
}
} // namespace

TagSet sheetTags(const CueSheet &sheet, const CueTrack &track, int number, int count)
{
    TagSet tags;
    put(tags, "TITLE", track.title);
    put(tags, "ARTIST", firstNonEmpty(track.performer, sheet.performer));
    put(tags, "ALBUM", sheet.title);
    put(tags, "ALBUMARTIST", sheet.performer);
    put(tags, "DATE", firstNonEmpty(track.date, sheet.date));
    put(tags, "GENRE", firstNonEmpty(track.genre, sheet.genre));
    put(tags, "COMPOSER", track.composer);
    put(tags, "ISRC", track.isrc);
    put(tags, "TRACKNUMBER", QString::number(number));
    put(tags, "TRACKTOTAL", QString::number(count));
    return tags;
}

TagSet overImage(const TagSet &image, const TagSet &sheetTags)
{
    TagSet merged;
    merged.pictures = image.pictures;
    for (auto it = image.fields.cbegin(); it != image.fields.cend(); ++it)
        if (!describesWholeImage(it.key()))
            merged.fields.insert(it.key(), it.value());
    for (auto it = sheetTags.fields.cbegin(); it != sheetTags.fields.cend(); ++it)
        merged.fields.insert(it.key(), it.value());
    return merged;
}

QString baseName(int number, int count, const QString &title)
{
    const int width = count > 99 ? 3 : 2;
    const QString digits = QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
    QString clean;
    for (const QChar c : title) {
        if (c == QLatin1Char('/'))
            clean += QLatin1Char('-');
        else
            clean += c.category() == QChar::Other_Control ? QLatin1Char(' ') : c;
    }
    clean = shortened(clean.simplified());
    if (clean.isEmpty())
        clean = TrackText::tr("Track %1").arg(number);
    return digits + QLatin1Char(' ') + clean;
}
} // namespace cue

} // namespace quavero
