// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes planned tags and pictures into a converted file with TagLib. The
// text fields of the file are replaced by the plan's; its pictures too, but
// in an .MP3 the cover ffmpeg has copied stays and is not written twice.
#include <QString>

#include "convert/core/TagPlan.h"
#include "convert/core/TagTarget.h"

namespace quavero {

namespace tagwrite {
// Returns an empty text on success, else why the tags could not be written.
QString write(const QString &path, const TagTarget &target, const TagPlan &plan);
} // namespace tagwrite

} // namespace quavero
