// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files of every input kind made with ffmpeg's own encoders (and opusenc),
// quavero-cli run in-process on them, and what the outputs hold.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quavero {

namespace kinds {
// Runs ffmpeg with the arguments (errors only, overwriting); true when it succeeded.
bool ffmpegMakes(const QStringList &arguments);
// Runs a program to its end; its exit code, -1 when it did not start.
int run(const QString &program, const QStringList &arguments, QString *output = nullptr);
// quavero-cli's conversion, in-process, with the built ffmpeg and sox; its exit status.
int convertWithCli(const QStringList &arguments);
// The samples of the file's first audio stream as ffmpeg decodes them, in
// the given raw format ("s32le"), keeping the rate and channels.
QByteArray decoded(const QString &path, const char *format = "s32le");
} // namespace kinds

} // namespace quavero
