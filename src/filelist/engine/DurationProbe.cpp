// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/engine/DurationProbe.h"

#include "filelist/engine/BatchDurationProbe.h"

namespace quavero {

namespace filelist {
QString probeDurationText(const QString &ffmpeg, const QString &path)
{
    // A batch of one is the lone probe, with the same rules: regular files
    // only, and a probe that stalls is killed.
    return probeDurationTexts(ffmpeg, {path}).value(0);
}
} // namespace filelist

} // namespace quavero
