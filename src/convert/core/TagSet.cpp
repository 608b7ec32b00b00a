// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/TagSet.h"

#include <QCoreApplication>

namespace quavero {

namespace tags {
namespace {
struct NumberFields {
    const char *number; // TRACKNUMBER
    const char *total;  // TRACKTOTAL
    const char *other;  // TOTALTRACKS, another spelling of the total
};

constexpr NumberFields kNumberFields[] = {
    {"TRACKNUMBER", "TRACKTOTAL", "TOTALTRACKS"},
    {"DISCNUMBER", "DISCTOTAL", "TOTALDISCS"},
};

QString firstOf(const QMap<QString, QStringList> &fields, const QString &key)
{
    const QStringList values = fields.value(key);
    return values.isEmpty() ? QString() : values.first().trimmed();
}

void rewriteNumber(QMap<QString, QStringList> &fields, const NumberFields &names, NumberStyle style)
{
    const QString numberKey = QLatin1String(names.number);
    const QString totalKey = QLatin1String(names.total);
    QString number = firstOf(fields, numberKey);
    QString total;
    const int slash = number.indexOf(QLatin1Char('/'));
    if (slash >= 0) {
        total = number.mid(slash + 1).trimmed();
        number = number.left(slash).trimmed();
    }
    if (total.isEmpty())
        total = firstOf(fields, totalKey);
    if (total.isEmpty())
        total = firstOf(fields, QLatin1String(names.other));
    // A total without a number has nothing to be joined to: left as it was.
    if (number.isEmpty())
        return;
    fields.remove(numberKey);
    fields.remove(totalKey);
    fields.remove(QLatin1String(names.other));
    if (style == NumberStyle::Split) {
        fields.insert(numberKey, {number});
        if (!total.isEmpty())
            fields.insert(totalKey, {total});
    } else {
        fields.insert(numberKey, {total.isEmpty() ? number : number + QLatin1Char('/') + total});
    }
}

// The names of the picture types 0 to 20, as a report shows them.
constexpr const char *kPictureTypeNames[] = {
    QT_TRANSLATE_NOOP("TagCopy", "picture"),
    QT_TRANSLATE_NOOP("TagCopy", "file icon"),
    QT_TRANSLATE_NOOP("TagCopy", "other file icon"),
    QT_TRANSLATE_NOOP("TagCopy", "front cover"),
    QT_TRANSLATE_NOOP("TagCopy", "back cover"),
    QT_TRANSLATE_NOOP("TagCopy", "leaflet page"),
    QT_TRANSLATE_NOOP("TagCopy", "media picture"),
    QT_TRANSLATE_NOOP("TagCopy", "lead artist picture"),
    QT_TRANSLATE_NOOP("TagCopy", "artist picture"),
    QT_TRANSLATE_NOOP("TagCopy", "conductor picture"),
    QT_TRANSLATE_NOOP("TagCopy", "band picture"),
    QT_TRANSLATE_NOOP("TagCopy", "composer picture"),
    QT_TRANSLATE_NOOP("TagCopy", "lyricist picture"),
    QT_TRANSLATE_NOOP("TagCopy", "recording location picture"),
    QT_TRANSLATE_NOOP("TagCopy", "picture taken during recording"),
    QT_TRANSLATE_NOOP("TagCopy", "picture taken during performance"),
    QT_TRANSLATE_NOOP("TagCopy", "screen capture"),
    QT_TRANSLATE_NOOP("TagCopy", "picture of a coloured fish"),
    QT_TRANSLATE_NOOP("TagCopy", "illustration"),
    QT_TRANSLATE_NOOP("TagCopy", "band logo"),
    QT_TRANSLATE_NOOP("TagCopy", "publisher logo"),
};
} // namespace

QMap<QString, QStringList> withNumbers(QMap<QString, QStringList> fields, NumberStyle style)
{
    for (const NumberFields &names : kNumberFields)
        rewriteNumber(fields, names, style);
    return fields;
}

QString pictureName(int type)
{
    if (type < 0 || type > TagPicture::LastKnownType)
        type = TagPicture::Other;
    return QCoreApplication::translate("TagCopy", kPictureTypeNames[type]);
}
} // namespace tags

} // namespace quavero
