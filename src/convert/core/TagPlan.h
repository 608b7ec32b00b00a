// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tag-copy step writes into one output: the input's fields in the
// output's style, and the pictures the output can take, each with what its
// header says. Pictures it cannot take are left out with a line for the
// entry's report ("picture not copied: ..."). Pure.
#include <QList>
#include <QString>
#include <QStringList>

#include "convert/core/ImageHeader.h"
#include "convert/core/TagSet.h"
#include "convert/core/TagTarget.h"

namespace quavero {

struct PlannedPicture {
    TagPicture picture; // type within 0..20, MIME type from the image itself
    ImageHeader header;
};

struct TagPlan {
    QMap<QString, QStringList> fields;
    QList<PlannedPicture> pictures; // in input order; for MP4 the front covers first
    QStringList warnings;
};

namespace tags {
// formatName: ".FLAC", as the reports name the format.
TagPlan plan(const TagSet &input, const TagTarget &target, const QString &formatName);

// The planned pictures that are not in the output yet: a picture of the same
// type and description that ffmpeg copied already is not written again.
QList<PlannedPicture> notYetThere(const QList<PlannedPicture> &planned, const QList<TagPicture> &present);

// "tags not copied: <why>"
QString tagsNotCopied(const QString &why);
} // namespace tags

} // namespace quavero
