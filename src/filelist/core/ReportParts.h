// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "ffmpeg -i f0 -i f1 ..." reports on each input in turn, each report opening
// with a line "Input #k, <format>, from '<path>':". Cut apart at those lines,
// the report gives every input its own part, which reads exactly as the
// report of "ffmpeg -i fk" alone would from that line on.
#include <QString>
#include <QStringList>

namespace quavero {

namespace filelist {
// The parts of the inputs 0, 1, 2 ... in order, as many as the report holds
// in an unbroken run from input 0: part k runs from the start of the line
// "Input #k," to the start of the line "Input #k+1," (or the end of the
// report). What comes before input 0 (the banner) belongs to no part. Only
// lines that start with "Input #" count: tag values and stream lines are
// indented, so a tag reading "Input #1, x" cannot cut a part.
QStringList reportPartsByInput(const QString &report);
} // namespace filelist

} // namespace quavero
