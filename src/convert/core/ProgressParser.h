// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads ffmpeg's progress lines ("size= 512kB time=00:01:30.50 bitrate=...")
// from its error output and turns them into the per-file percentage. Pure.
#include <QMetaType>
#include <QString>
#include <optional>

namespace quavero {

// What the per-file bar shows.
struct ProgressReading {
    bool busy = false; // the entry's duration is unknown: no percentage
    int percent = 0;   // 0..100 when not busy
};

namespace progress {
// "hh:mm:ss" (8 characters) -> seconds. Each pair is read as a signed decimal
// number from its start (leading blanks skipped, 0 when no digit follows);
// fractions are ignored. A negative total counts as 0.
quint64 Return_Seconds_From_VOB_Duration_Str(const QString &text);

// The 8 characters after the last complete "time=" of a chunk (a field is
// complete when 8 characters follow it). The first "time=" must match case;
// later ones are looked for ignoring case. Nothing when the chunk holds none.
std::optional<QString> lastTimeField(const QString &chunk);

// seconds * 100 / duration in single precision, at most 100; busy when the
// duration is 0 (or the result is not a finite number).
ProgressReading percentOf(quint64 seconds, quint64 durationSeconds);

// The reading a chunk of error output gives, or nothing when it holds no
// complete time field.
std::optional<ProgressReading> readChunk(const QByteArray &chunk, quint64 durationSeconds);
} // namespace progress

} // namespace quavero

Q_DECLARE_METATYPE(quavero::ProgressReading)
