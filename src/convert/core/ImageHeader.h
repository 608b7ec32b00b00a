// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an attached picture is, read from its first bytes: the image format,
// its MIME type and, where the header tells, its size in pixels and colour
// depth (FLAC picture blocks carry them). Pure; never decodes the image.
#include <QByteArray>
#include <QString>

namespace quavero {

struct ImageHeader {
    enum Format { Unknown, Jpeg, Png, Gif, Bmp, Webp };
    Format format = Unknown;
    QString mimeType; // "image/jpeg"; empty when Unknown
    int width = 0;    // 0 when the header does not tell
    int height = 0;
    int depth = 0;   // bits per pixel
    int colours = 0; // palette size for indexed images, else 0
};

namespace image {
ImageHeader readHeader(const QByteArray &data);
} // namespace image

} // namespace quavero
