// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/TagPlan.h"

#include <QCoreApplication>

#include <algorithm>

namespace quavero {

namespace tags {
namespace {
// Bytes of a FLAC picture block besides the image, MIME type and description.
constexpr qint64 kPictureBlockFields = 32;

QString megabytes(qint64 bytes) { return QString::number(double(bytes) / (1024.0 * 1024.0), 'f', 1); }

QString pictureNotCopied(const QString &why)
{
    return QCoreApplication::translate("TagCopy", "picture not copied: %1").arg(why);
}

QString theName(const TagPicture &p)
{
    const QString described = p.description.trimmed();
    return described.isEmpty()
               ? QCoreApplication::translate("TagCopy", "the %1").arg(pictureName(p.type))
               : QCoreApplication::translate("TagCopy", "the %1 \"%2\"").arg(pictureName(p.type), described);
}

qint64 blockSize(const TagPicture &p)
{
    return kPictureBlockFields + p.mimeType.toUtf8().size() + p.description.toUtf8().size() + p.data.size();
}
} // namespace

QString tagsNotCopied(const QString &why)
{
    return QCoreApplication::translate("TagCopy", "tags not copied: %1").arg(why);
}

TagPlan plan(const TagSet &input, const TagTarget &target, const QString &formatName)
{
    TagPlan result;
    result.fields = withNumbers(input.fields, target.numbers);
    for (const TagPicture &original : input.pictures) {
        PlannedPicture planned{original, image::readHeader(original.data)};
        TagPicture &p = planned.picture;
        if (p.type < 0 || p.type > TagPicture::LastKnownType)
            p.type = TagPicture::Other;
        if (planned.header.format == ImageHeader::Unknown) {
            result.warnings << pictureNotCopied(
                QCoreApplication::translate("TagCopy", "%1 is not a JPEG, PNG, GIF, BMP or WebP image").arg(theName(p)));
            continue;
        }
        if (planned.header.format == ImageHeader::Webp && !target.webpPictures) {
            result.warnings << pictureNotCopied(
                QCoreApplication::translate("TagCopy", "%1 is a WebP image, which %2 cannot hold").arg(theName(p), formatName));
            continue;
        }
        p.mimeType = planned.header.mimeType;
        if (blockSize(p) > target.maxPictureBytes) {
            result.warnings << pictureNotCopied(
                QCoreApplication::translate("TagCopy", "%1 (%2 MB) is too large for %3, which takes at most %4 MB")
                    .arg(theName(p), megabytes(p.data.size()), formatName, megabytes(target.maxPictureBytes)));
            continue;
        }
        result.pictures << planned;
    }
    if (!target.typedPictures)
        std::stable_sort(result.pictures.begin(), result.pictures.end(),
                         [](const PlannedPicture &a, const PlannedPicture &b) {
                             return a.picture.type == TagPicture::FrontCover && b.picture.type != TagPicture::FrontCover;
                         });
    return result;
}

QList<PlannedPicture> notYetThere(const QList<PlannedPicture> &planned, const QList<TagPicture> &present)
{
    // Each picture in the output accounts for one planned picture only: of two
    // front covers without a description, ffmpeg copies one.
    QList<TagPicture> unmatched = present;
    QList<PlannedPicture> missing;
    for (const PlannedPicture &p : planned) {
        const auto there = std::find_if(unmatched.begin(), unmatched.end(), [&p](const TagPicture &q) {
            return q.type == p.picture.type && q.description == p.picture.description;
        });
        if (there == unmatched.end())
            missing << p;
        else
            unmatched.erase(there);
    }
    return missing;
}
} // namespace tags

} // namespace quavero
