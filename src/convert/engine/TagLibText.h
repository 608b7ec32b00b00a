// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moving text, bytes and tag fields between Qt's types and TagLib's.
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <taglib/tbytevector.h>
#include <taglib/tpropertymap.h>
#include <taglib/tstring.h>

namespace quavero {

namespace taglibtext {
QString toQt(const TagLib::String &s);
QByteArray toQt(const TagLib::ByteVector &v);
QMap<QString, QStringList> toQt(const TagLib::PropertyMap &map);
TagLib::String toTagLib(const QString &s);
TagLib::ByteVector toTagLib(const QByteArray &a);
TagLib::PropertyMap toTagLib(const QMap<QString, QStringList> &fields);
} // namespace taglibtext

} // namespace quavero
