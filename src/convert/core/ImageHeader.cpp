// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/ImageHeader.h"

namespace quavero {

namespace image {
namespace {
// Readers that give 0 past the end, so a cut-off header gives a zero size
// instead of reading outside the data.
quint32 byteAt(const QByteArray &d, qsizetype i) { return i >= 0 && i < d.size() ? quint32(quint8(d.at(i))) : 0; }
quint32 be16(const QByteArray &d, qsizetype i) { return byteAt(d, i) << 8 | byteAt(d, i + 1); }
quint32 be32(const QByteArray &d, qsizetype i) { return be16(d, i) << 16 | be16(d, i + 2); }
quint32 le16(const QByteArray &d, qsizetype i) { return byteAt(d, i) | byteAt(d, i + 1) << 8; }
quint32 le24(const QByteArray &d, qsizetype i) { return le16(d, i) | byteAt(d, i + 2) << 16; }
quint32 le32(const QByteArray &d, qsizetype i) { return le16(d, i) | le16(d, i + 2) << 16; }
int clampedSize(qint64 v) { return v < 0 || v > 1000000 ? 0 : int(v); }

void readPng(const QByteArray &d, ImageHeader &h)
{
    if (d.mid(12, 4) != "IHDR")
        return;
    h.width = clampedSize(be32(d, 16));
    h.height = clampedSize(be32(d, 20));
    const int bits = int(byteAt(d, 24));
    switch (byteAt(d, 25)) { // colour type: channels per pixel
    case 0:
        h.depth = bits;
        break;
    case 2:
        h.depth = bits * 3;
        break;
    case 3:
        h.depth = bits;
        h.colours = 1 << qMin(bits, 8);
        break;
    case 4:
        h.depth = bits * 2;
        break;
    case 6:
        h.depth = bits * 4;
        break;
    default:
        break;
    }
}

// Walks the marker segments up to the first start-of-frame, which holds the size.
void readJpeg(const QByteArray &d, ImageHeader &h)
{
    qsizetype i = 2;
    while (i + 4 <= d.size()) {
        if (byteAt(d, i) != 0xFF)
            return;
        const quint32 marker = byteAt(d, i + 1);
        if (marker == 0xFF) { // fill byte
            ++i;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) { // no length
            i += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) // end of image, start of scan
            return;
        const quint32 length = be16(d, i + 2);
        const bool startOfFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame) {
            h.height = clampedSize(be16(d, i + 5));
            h.width = clampedSize(be16(d, i + 7));
            h.depth = int(byteAt(d, i + 4) * byteAt(d, i + 9));
            return;
        }
        if (length < 2)
            return;
        i += 2 + length;
    }
}

void readGif(const QByteArray &d, ImageHeader &h)
{
    h.width = clampedSize(le16(d, 6));
    h.height = clampedSize(le16(d, 8));
    const quint32 packed = byteAt(d, 10);
    h.depth = int(packed & 7) + 1;
    if (packed & 0x80)
        h.colours = 1 << h.depth;
}

void readBmp(const QByteArray &d, ImageHeader &h)
{
    const quint32 infoSize = le32(d, 14);
    if (infoSize == 12) { // the old OS/2 header
        h.width = clampedSize(le16(d, 18));
        h.height = clampedSize(le16(d, 20));
        h.depth = int(le16(d, 24));
    } else if (infoSize >= 40) {
        h.width = clampedSize(qint32(le32(d, 18)));
        h.height = clampedSize(qAbs(qint64(qint32(le32(d, 22))))); // negative: stored top-down
        h.depth = int(le16(d, 28));
        if (h.depth <= 8)
            h.colours = le32(d, 46) ? clampedSize(le32(d, 46)) : 1 << h.depth;
    }
}

void readWebp(const QByteArray &d, ImageHeader &h)
{
    const QByteArray chunk = d.mid(12, 4);
    if (chunk == "VP8X") {
        h.width = clampedSize(le24(d, 24) + 1);
        h.height = clampedSize(le24(d, 27) + 1);
        h.depth = 32;
    } else if (chunk == "VP8L" && byteAt(d, 20) == 0x2F) {
        const quint32 bits = le32(d, 21);
        h.width = clampedSize((bits & 0x3FFF) + 1);
        h.height = clampedSize(((bits >> 14) & 0x3FFF) + 1);
        h.depth = 32;
    } else if (chunk == "VP8 " && d.mid(23, 3) == QByteArray("\x9d\x01\x2a", 3)) {
        h.width = clampedSize(le16(d, 26) & 0x3FFF);
        h.height = clampedSize(le16(d, 28) & 0x3FFF);
        h.depth = 24;
    }
}
} // namespace

ImageHeader readHeader(const QByteArray &data)
{
    ImageHeader h;
    if (data.startsWith("\x89PNG\r\n\x1a\n")) {
        h.format = ImageHeader::Png;
        h.mimeType = QStringLiteral("image/png");
        readPng(data, h);
    } else if (data.startsWith("\xFF\xD8\xFF")) {
        h.format = ImageHeader::Jpeg;
        h.mimeType = QStringLiteral("image/jpeg");
        readJpeg(data, h);
    } else if (data.startsWith("GIF87a") || data.startsWith("GIF89a")) {
        h.format = ImageHeader::Gif;
        h.mimeType = QStringLiteral("image/gif");
        readGif(data, h);
    } else if (data.startsWith("BM") && data.size() > 26) {
        h.format = ImageHeader::Bmp;
        h.mimeType = QStringLiteral("image/bmp");
        readBmp(data, h);
    } else if (data.startsWith("RIFF") && data.mid(8, 4) == "WEBP") {
        h.format = ImageHeader::Webp;
        h.mimeType = QStringLiteral("image/webp");
        readWebp(data, h);
    }
    return h;
}
} // namespace image

} // namespace quavero
