// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes planned tags and pictures into a converted file with TagLib. The
// text fields of the file are replaced by the plan's; its pictures too, but
// in an .MP3 the cover ffmpeg has copied stays and is not written twice.
#include <QString>

#include <functional>

#include "convert/core/TagPlan.h"
#include "convert/core/TagTarget.h"

namespace TagLib {
class IOStream;
}

namespace quavero {

namespace tagwrite {
// Returns an empty text on success, else why the tags could not be written.
QString write(const QString &path, const TagTarget &target, const TagPlan &plan);

// Opens the file at path for writing and hands its stream to save, which opens
// it as its kind of file, changes its tags and saves them (setting *valid to
// false when the file is not of that kind). Returns an empty text on success,
// else why the tags could not be written.
using SaveTags = std::function<bool(TagLib::IOStream *stream, bool *valid)>;
QString writeThrough(const QString &path, const SaveTags &save);
} // namespace tagwrite

} // namespace quavero
