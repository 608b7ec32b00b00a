// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stamps the record keeps (size and modification time) read from the
// file system, and the link test for paths below the destination root.
#include <QString>
#include <optional>

#include "mirror/core/RecordRow.h"

namespace quavero {

namespace mirror {
// The stamp of the regular file at path, following a link (an input may be
// a link to the file); none when there is no regular file.
std::optional<FileStamp> stampOf(const QString &path);
// The stamp of the regular file at path itself; none for a link, a folder or
// nothing. An output is never a link: one found there is not ours.
std::optional<FileStamp> outputStampOf(const QString &path);
// True when root/relative passes through a symbolic link: a folder on the
// way below root, or the last part itself.
bool throughLink(const QString &root, const QString &relative);
} // namespace mirror

} // namespace quavero
