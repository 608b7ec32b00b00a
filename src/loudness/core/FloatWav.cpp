// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness/core/FloatWav.h"

#include <QFileInfo>

namespace quavero {

namespace loudness {
namespace {
constexpr quint16 kFloatTag = 3;
constexpr quint16 kExtensibleTag = 0xFFFE;
// Chunks before the samples hold a few names; a header this long is no header.
constexpr qint64 kLongestHeader = 1 << 20;

quint32 le32(const QByteArray &b, qint64 at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(b.constData() + at);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 le16(const QByteArray &b, qint64 at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(b.constData() + at);
    return quint16(p[0] | p[1] << 8);
}

// 32-bit float samples in a WAV stream on standard output.
QStringList pipeOutput()
{
    return {QStringLiteral("-c:a"), QStringLiteral("pcm_f32le"), QStringLiteral("-f"), QStringLiteral("wav"),
            QStringLiteral("pipe:1")};
}

FloatWavHeader invalid()
{
    FloatWavHeader h;
    h.state = FloatWavHeader::State::Invalid;
    return h;
}

// Reads the "fmt " chunk's body at at into h; false when it is no float format.
bool readFormat(const QByteArray &b, qint64 at, quint32 size, FloatWavHeader *h)
{
    if (size < 16)
        return false;
    quint16 tag = le16(b, at);
    const quint16 bits = le16(b, at + 14);
    if (tag == kExtensibleTag) {
        if (size < 26)
            return false;
        tag = le16(b, at + 24); // the first two bytes of the sub-format GUID
    }
    h->channels = le16(b, at + 2);
    h->sampleRate = int(le32(b, at + 4));
    return tag == kFloatTag && bits == 32 && h->channels > 0 && h->sampleRate > 0;
}
} // namespace

FloatWavHeader readFloatWavHeader(const QByteArray &start)
{
    FloatWavHeader h;
    if (start.size() < 12)
        return start.size() >= 4 && !start.startsWith("RIFF") ? invalid() : h;
    if (!start.startsWith("RIFF") || start.mid(8, 4) != "WAVE")
        return invalid();
    bool haveFormat = false;
    qint64 at = 12;
    while (at + 8 <= start.size()) {
        const QByteArray id = start.mid(at, 4);
        const quint32 size = le32(start, at + 4);
        const qint64 body = at + 8;
        if (id == "data") {
            if (!haveFormat)
                return invalid();
            h.state = FloatWavHeader::State::Ready;
            h.dataOffset = body;
            return h;
        }
        if (body + qint64(size) > kLongestHeader)
            return invalid();
        if (body + qint64(size) > start.size())
            return h; // the chunk is still arriving
        if (id == "fmt ") {
            if (!readFormat(start, body, size, &h))
                return invalid();
            haveFormat = true;
        }
        at = body + qint64(size) + (size & 1); // chunks are padded to even sizes
    }
    return at > kLongestHeader ? invalid() : h;
}

QStringList decodeArguments(const QString &inputPath)
{
    return QStringList{QStringLiteral("-nostdin"),
                       QStringLiteral("-v"),
                       QStringLiteral("error"),
                       QStringLiteral("-i"),
                       QStringLiteral("file:") + QFileInfo(inputPath).absoluteFilePath(),
                       QStringLiteral("-map"),
                       QStringLiteral("0:a:0")} +
           pipeOutput();
}

QStringList meterOutputArguments(const QString &graphLabel)
{
    return QStringList{QStringLiteral("-map"), QStringLiteral("[%1]").arg(graphLabel)} + pipeOutput();
}
} // namespace loudness

} // namespace quavero
