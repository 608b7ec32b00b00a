// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which album an output belongs to for album gains: the entries of one run
// that share an album tag and an output folder.
#include <QString>

namespace quavero {

namespace loudness {
// The album's key; empty (no album: the entry gets track values only) when
// the album tag is empty or only white space. Two discs of one album in
// separate folders are two albums, as players that read album gains by folder
// see them.
QString albumKey(const QString &albumTag, const QString &outputFolder);
} // namespace loudness

} // namespace quavero
