// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the tags and pictures of an input file with TagLib. The file is opened
// read-only: reading never changes an input.
#include <QString>

#include "convert/core/TagSet.h"

namespace quavero {

struct InputTags {
    bool readable = false; // false: TagLib does not know the file or could not parse it
    TagSet tags;
};

namespace tagread {
InputTags read(const QString &path);
// True when the file's name ends in an extension TagLib reads (".mp3", ".flac", ...).
bool isTagLibType(const QString &path);
} // namespace tagread

} // namespace quavero
