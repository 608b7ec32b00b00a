// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ColorArchive.h"

#include <QDataStream>
#include <QIODevice>

namespace quavero {

namespace colorarchive {
namespace {
constexpr quint32 kMagic = 0x51564331; // "QVC1"
}

QByteArray archive(const QColor &color)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << kMagic << color;
    return bytes;
}

QColor unarchive(const QByteArray &bytes)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    QColor color;
    in >> magic >> color;
    if (in.status() != QDataStream::Ok || magic != kMagic)
        return QColor();
    return color;
}
} // namespace colorarchive

} // namespace quavero
