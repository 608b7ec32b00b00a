// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The duration probe: "ffmpeg -i <file>" with no output file only reports on
// the input; the report's "Duration:" gives the file's length.
#include <QString>

namespace quavero {

namespace filelist {
// Runs ffmpeg on path (output and error joined, read to the end; the exit
// status does not matter) and returns the duration text of its report, or an
// empty text when the report holds none (or ffmpeg could not be started).
// Only a regular file is handed to ffmpeg (anything else gives an empty text
// and is never opened), and a probe that writes nothing for 20 s is killed.
// Safe to call from any thread.
QString probeDurationText(const QString &ffmpeg, const QString &path);
} // namespace filelist

} // namespace quavero
