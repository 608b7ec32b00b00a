// SPDX-License-Identifier: GPL-3.0-or-later
#include "filelist/core/AudioStream.h"

#include "common/core/NumberText.h"

#include <QHash>
#include <QStringList>

namespace quavero {

namespace filelist {
namespace {
// The part of a stream line after "Audio: " or "Video: ", or an empty view
// when the line is no stream line of that kind.
QStringView streamBody(QStringView line, QLatin1String kind)
{
    const QStringView trimmed = line.trimmed();
    if (!trimmed.startsWith(QLatin1String("Stream #")))
        return {};
    const qsizetype at = trimmed.indexOf(kind);
    // "Stream #0:1[0x1c0](eng): Audio: ..." : the kind follows the stream's
    // number and the bracketed parts, all before the first ": ".
    const qsizetype colon = trimmed.indexOf(QLatin1String(": "));
    if (at < 0 || colon < 0 || at != colon + 2)
        return {};
    return trimmed.mid(at + kind.size());
}

// The report's items split at the commas that are outside parentheses:
// "aac (LC) (mp4a / 0x6134706D), 44100 Hz, stereo, fltp, 128 kb/s (default)".
QStringList topLevelItems(QStringView body)
{
    QStringList items;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body[i];
        if (c == QLatin1Char('(') || c == QLatin1Char('['))
            ++depth;
        else if ((c == QLatin1Char(')') || c == QLatin1Char(']')) && depth > 0)
            --depth;
        else if (c == QLatin1Char(',') && depth == 0) {
            items << body.mid(start, i - start).trimmed().toString();
            start = i + 1;
        }
    }
    items << body.mid(start).trimmed().toString();
    return items;
}

// "s32 (24 bit)" -> 24; "s16p" -> 16; "fltp" of a PCM float codec -> 32.
int bitsOf(const QString &codec, const QString &item)
{
    const qsizetype open = item.indexOf(QLatin1String(" ("));
    if (open >= 0 && item.endsWith(QLatin1String(" bit)"))) {
        const qint64 bits = leadingInteger(QStringView(item).mid(open + 2));
        if (bits > 0 && bits <= 64)
            return int(bits);
    }
    const QString format = open >= 0 ? item.left(open) : item;
    const QString plain = format.endsWith(QLatin1Char('p')) ? format.chopped(1) : format;
    static const QHash<QString, int> integers{{"u8", 8}, {"s16", 16}, {"s32", 32}, {"s64", 64}};
    if (integers.contains(plain))
        return integers.value(plain);
    // Floating-point samples have a size only where the codec stores them so.
    if (codec.startsWith(QLatin1String("pcm_f32")))
        return 32;
    if (codec.startsWith(QLatin1String("pcm_f64")))
        return 64;
    return 0;
}

bool isSampleFormat(const QString &item)
{
    static const QStringList formats{"u8", "s16", "s32", "s64", "flt", "dbl"};
    const QString head = item.section(QLatin1Char(' '), 0, 0);
    const QString plain = head.endsWith(QLatin1Char('p')) ? head.chopped(1) : head;
    return formats.contains(plain);
}
} // namespace

int channelsOfLayout(const QString &layout)
{
    static const QHash<QString, int> named{{"mono", 1},       {"stereo", 2},
                                           {"downmix", 2},    {"2.1", 3},
                                           {"3.0", 3},        {"3.0(back)", 3},
                                           {"4.0", 4},        {"quad", 4},
                                           {"quad(side)", 4}, {"3.1", 4},
                                           {"5.0", 5},        {"5.0(side)", 5},
                                           {"4.1", 5},        {"5.1", 6},
                                           {"5.1(side)", 6},  {"6.0", 6},
                                           {"6.0(front)", 6}, {"hexagonal", 6},
                                           {"6.1", 7},        {"6.1(back)", 7},
                                           {"6.1(front)", 7}, {"7.0", 7},
                                           {"7.0(front)", 7}, {"7.1", 8},
                                           {"7.1(wide)", 8},  {"7.1(wide-side)", 8},
                                           {"7.1(top)", 8},   {"octagonal", 8},
                                           {"cube", 8},       {"hexadecagonal", 16},
                                           {"22.2", 24},      {"5.1.2", 8},
                                           {"5.1.4", 10},     {"7.1.2", 10},
                                           {"7.1.4", 12}};
    const auto it = named.constFind(layout);
    if (it != named.constEnd())
        return *it;
    // "3 channels" and "3 channels (FL+FR+LFE)".
    const qint64 count = leadingInteger(layout);
    if (count > 0 && count < 1024 && layout.mid(QString::number(count).size()).startsWith(QLatin1String(" channel")))
        return int(count);
    return 0;
}

AudioStream audioStreamFromReport(const QString &report)
{
    AudioStream stream;
    for (const QStringView line : QStringView(report).split(QLatin1Char('\n'))) {
        if (!streamBody(line, QLatin1String("Video: ")).isEmpty()) {
            if (!line.contains(QLatin1String("(attached pic)")))
                stream.motionVideo = true;
            continue;
        }
        const QStringView body = streamBody(line, QLatin1String("Audio: "));
        if (body.isEmpty())
            continue;
        if (++stream.audioStreams > 1)
            continue;
        const QStringList items = topLevelItems(body);
        stream.codec = items.value(0).section(QLatin1Char(' '), 0, 0);
        for (int i = 1; i < items.size(); ++i) {
            const QString &item = items[i];
            if (item.endsWith(QLatin1String(" Hz"))) {
                stream.sampleRate = int(qBound(qint64(0), leadingInteger(item), qint64(100000000)));
                // The layout follows the rate; the sample format the layout.
                if (i + 1 < items.size())
                    stream.channels = channelsOfLayout(items[i + 1]);
                if (i + 2 < items.size() && isSampleFormat(items[i + 2])) {
                    stream.sampleFormat = items[i + 2].section(QLatin1Char(' '), 0, 0);
                    stream.bitsPerSample = bitsOf(stream.codec, items[i + 2]);
                }
                break;
            }
        }
    }
    return stream;
}
} // namespace filelist

} // namespace quavero
