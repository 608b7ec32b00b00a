// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/engine/TagLibText.h"

namespace quavero {

namespace taglibtext {
QString toQt(const TagLib::String &s)
{
    const std::string utf8 = s.to8Bit(true);
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QByteArray toQt(const TagLib::ByteVector &v) { return QByteArray(v.data(), qsizetype(v.size())); }

QMap<QString, QStringList> toQt(const TagLib::PropertyMap &map)
{
    QMap<QString, QStringList> fields;
    for (const auto &[key, values] : map) {
        QStringList texts;
        for (const TagLib::String &value : values)
            texts << toQt(value);
        fields.insert(toQt(key), texts);
    }
    return fields;
}

TagLib::String toTagLib(const QString &s) { return TagLib::String(s.toUtf8().constData(), TagLib::String::UTF8); }

TagLib::ByteVector toTagLib(const QByteArray &a)
{
    return TagLib::ByteVector(a.constData(), static_cast<unsigned int>(a.size()));
}

TagLib::PropertyMap toTagLib(const QMap<QString, QStringList> &fields)
{
    TagLib::PropertyMap map;
    for (auto it = fields.begin(); it != fields.end(); ++it) {
        TagLib::StringList values;
        for (const QString &value : it.value())
            values.append(toTagLib(value));
        map.insert(toTagLib(it.key()), values);
    }
    return map;
}
} // namespace taglibtext

} // namespace quavero
