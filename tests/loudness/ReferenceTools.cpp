// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReferenceTools.h"

#include "TestApp.h"
#include "platform/core/ChildProcess.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace quavero {

namespace reference {
namespace {
QString lavfi(const QString &path, const QString &source, const QStringList &output)
{
    return ffmpeg(QStringList{"-f", "lavfi", "-i", source} + output + QStringList{path}) ? path : QString();
}

double leadingNumber(const QString &text) { return text.section(QLatin1Char(' '), 0, 0).toDouble(); }
} // namespace

bool ffmpeg(const QStringList &arguments)
{
    const JoinedRun run = child::runJoined(testenv::ffmpeg(), QStringList{"-nostdin", "-v", "error", "-y"} + arguments);
    return run.started && run.exitCode == 0;
}

QString pinkNoise(const QString &path, double seconds, double amplitude, int seed)
{
    return lavfi(path,
                 QStringLiteral("anoisesrc=color=pink:sample_rate=48000:duration=%1:amplitude=%2:seed=%3")
                     .arg(seconds)
                     .arg(amplitude)
                     .arg(seed),
                 {"-ac", "2"});
}

QString tone(const QString &path, double seconds, double amplitude, int rate)
{
    return lavfi(path, QStringLiteral("sine=frequency=997:sample_rate=%1:duration=%2").arg(rate).arg(seconds),
                 // The source's amplitude is 1/8.
                 {"-af", QStringLiteral("volume=%1").arg(amplitude * 8), "-ac", "2"});
}

QString speech(const QString &path)
{
    const QString wav = path + QStringLiteral(".speech.wav");
    const JoinedRun run =
        child::runJoined(QStringLiteral("espeak-ng"),
                         {"-w", wav,
                          "Converted albums should play at one level. The quick brown fox jumps over the lazy dog, "
                          "and every track keeps its own dynamics."});
    if (!run.started || run.exitCode != 0)
        return QString();
    const bool ok = ffmpeg({"-i", wav, path});
    QFile::remove(wav);
    return ok ? path : QString();
}

QString silence(const QString &path, double seconds)
{
    return lavfi(path, QStringLiteral("anullsrc=sample_rate=44100:channel_layout=stereo"),
                 {"-t", QString::number(seconds)});
}

QList<LoudgainRow> loudgain(const QStringList &files, bool album)
{
    QStringList arguments{"-q", "-O"};
    if (album)
        arguments << "-a";
    const JoinedRun run = child::runJoined(QStringLiteral("loudgain"), arguments + files);
    QList<LoudgainRow> rows;
    if (!run.started || run.exitCode != 0)
        return rows;
    // File, Loudness, Range, True_Peak, True_Peak_dBTP, Reference, Will_clip, Clip_prevent, Gain, ...
    for (const QString &line : QString::fromUtf8(run.output).split(QLatin1Char('\n'))) {
        const QStringList cells = line.split(QLatin1Char('\t'));
        if (cells.size() < 9 || cells.at(0) == QLatin1String("File"))
            continue;
        rows << LoudgainRow{leadingNumber(cells.at(1)), cells.at(3).toDouble(), leadingNumber(cells.at(8))};
    }
    return rows;
}

Ebur128Summary ebur128(const QString &path)
{
    const JoinedRun run = child::runJoined(testenv::ffmpeg(), {"-nostdin", "-hide_banner", "-nostats", "-i", path, "-af",
                                                               "ebur128=peak=true:framelog=verbose", "-f", "null", "-"});
    Ebur128Summary summary;
    const QString text = QString::fromUtf8(run.output);
    const QRegularExpressionMatch i = QRegularExpression(QStringLiteral("I:\\s+(-?[0-9.]+) LUFS")).match(text);
    const QRegularExpressionMatch peak = QRegularExpression(QStringLiteral("Peak:\\s+(-?[0-9.]+) dBFS")).match(text);
    summary.ok = run.exitCode == 0 && i.hasMatch() && peak.hasMatch();
    summary.integrated = i.captured(1).toDouble();
    summary.truePeak = peak.captured(1).toDouble();
    return summary;
}

QMap<QString, QStringList> mutagenTags(const QString &path)
{
    static const char *const script = R"(
import json, sys, mutagen
f = mutagen.File(sys.argv[1])
tags = {}
for key, value in (f.tags.items() if f is not None and f.tags is not None else []):
    values = value if isinstance(value, list) else [value]
    texts = [v.decode() if isinstance(v, bytes) else str(v) for v in values]
    tags.setdefault(str(key), []).extend(texts)
print(json.dumps(tags))
)";
    // The system's Python, where Debian's python3-mutagen is.
    const JoinedRun run = child::runJoined(QStringLiteral("/usr/bin/python3"), {"-c", script, path});
    QMap<QString, QStringList> tags;
    const QJsonObject object = QJsonDocument::fromJson(run.output.trimmed().split('\n').last()).object();
    for (auto it = object.begin(); it != object.end(); ++it)
        for (const QJsonValue &v : it.value().toArray())
            tags[it.key()] << v.toString();
    return tags;
}
} // namespace reference

} // namespace quavero
