// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Album images and sheets for the CUE tests: noise images made with ffmpeg,
// sheets written in a chosen encoding, the samples of a file decoded to
// 16-bit PCM for comparison, and shnsplit's pieces of an image.
#include "QtPrinters.h"
#include "TestApp.h"

#include "platform/core/ChildProcess.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>

namespace quavero {

namespace cuefiles {
// Pink noise, so that every sample differs from its neighbours: a piece cut
// one sample off would not match. Stereo, 16 bit; WAV or FLAC by the name.
inline QString noiseImage(const QString &path, double seconds, int rate = 44100)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString codec = path.endsWith(".flac") ? "flac" : "pcm_s16le";
    const JoinedRun run = child::runJoined(
        testenv::ffmpeg(), {"-v", "error", "-y", "-f", "lavfi", "-i",
                            QStringLiteral("anoisesrc=d=%1:c=pink:r=%2:a=0.3:seed=7").arg(seconds).arg(rate), "-ac",
                            "2", "-sample_fmt", "s16", "-c:a", codec, path});
    return run.exitCode == 0 ? path : QString();
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// text written in encoding (a name ICU knows: "WINDOWS-1251", "SHIFT_JIS").
inline bool writeSheet(const QString &path, const QString &text, const char *encoding = "UTF-8")
{
    QStringEncoder encoder(encoding);
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError() && writeBytes(path, bytes);
}

// The file's samples as interleaved 16-bit PCM, decoded by ffmpeg.
inline QByteArray pcmOf(const QString &path)
{
    const QString raw = path + QStringLiteral(".pcm");
    const JoinedRun run =
        child::runJoined(testenv::ffmpeg(), {"-v", "error", "-y", "-i", path, "-f", "s16le", "-c:a", "pcm_s16le", raw});
    QFile f(raw);
    if (run.exitCode != 0 || !f.open(QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray bytes = f.readAll();
    f.remove();
    return bytes;
}

// Stereo 16-bit samples in pcm bytes.
inline qint64 samplesIn(const QByteArray &pcm) { return pcm.size() / 4; }

// shnsplit's pieces of image along the sheet, as WAV files in folder
// (split-track01.wav ...), in order.
inline QStringList shnsplitPieces(const QString &sheet, const QString &image, const QString &folder)
{
    const QString shnsplit = QStandardPaths::findExecutable(QStringLiteral("shnsplit"));
    if (shnsplit.isEmpty())
        return {};
    QDir().mkpath(folder);
    const JoinedRun run =
        child::runJoined(shnsplit, {"-q", "-O", "always", "-f", sheet, "-o", "wav", "-d", folder, image});
    if (run.exitCode != 0)
        return {};
    QStringList pieces;
    for (const QString &name : QDir(folder).entryList({"split-track*.wav"}, QDir::Files, QDir::Name))
        pieces << folder + QLatin1Char('/') + name;
    return pieces;
}
} // namespace cuefiles

} // namespace quavero
