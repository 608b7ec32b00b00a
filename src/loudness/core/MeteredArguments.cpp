// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness/core/MeteredArguments.h"

#include "loudness/core/FloatWav.h"
#include "loudness/core/Normalize.h"

namespace quavero {

namespace loudness {
namespace {
const QString kOutLabel = QStringLiteral("qv_out");
const QString kMeterLabel = QStringLiteral("qv_meter");

bool isFilterOption(const QString &word) { return word == QLatin1String("-af") || word == QLatin1String("-filter:a"); }

bool isShapeOption(const QString &word) { return word == QLatin1String("-ar") || word == QLatin1String("-ac"); }

// A conversion's vector in its parts.
struct Parts {
    QStringList input;   // up to and including the input after the last "-i"
    QStringList options; // the output options, the audio filter chain taken out
    QString chain;       // the output's audio filter chain; empty when it has none
    QStringList shape;   // the "-ar" and "-ac" pairs, which the meter's audio takes too
    QString output;
    bool dropsVideo = false; // "-vn": the output takes no picture
};

Parts split(const QStringList &conversion)
{
    Parts parts;
    const qsizetype inputAt = conversion.lastIndexOf(QStringLiteral("-i"));
    const qsizetype bodyStart = inputAt < 0 ? 0 : std::min(inputAt + 2, conversion.size());
    parts.input = conversion.mid(0, bodyStart);
    const qsizetype end = conversion.isEmpty() ? 0 : conversion.size() - 1;
    if (end >= bodyStart && !conversion.isEmpty())
        parts.output = conversion.last();
    for (qsizetype i = bodyStart; i < end; ++i) {
        const QString &word = conversion.at(i);
        const bool hasValue = i + 1 < end;
        if (isFilterOption(word) && hasValue) {
            parts.chain = conversion.at(++i);
            continue;
        }
        if (isShapeOption(word) && hasValue)
            parts.shape << word << conversion.at(i + 1);
        if (word == QLatin1String("-vn"))
            parts.dropsVideo = true;
        parts.options << word;
    }
    return parts;
}
} // namespace

QStringList meteredArguments(const QStringList &conversion)
{
    const Parts parts = split(conversion);
    const QString graph =
        QStringLiteral("[0:a:0]%1asplit=2[%2][%3]")
            .arg(parts.chain.isEmpty() ? QString() : parts.chain + QLatin1Char(','), kOutLabel, kMeterLabel);
    QStringList a = parts.input;
    a << QStringLiteral("-filter_complex") << graph << QStringLiteral("-map") << QStringLiteral("[%1]").arg(kOutLabel);
    // Mapped by hand, the output would lose the cover picture ffmpeg copies by
    // default into a container that keeps one.
    if (!parts.dropsVideo)
        a << QStringLiteral("-map") << QStringLiteral("0:v:0?");
    a << parts.options << parts.output;
    const QStringList meter = meterOutputArguments(kMeterLabel);
    // "-map [label]" first, then the meter's own rate and channels, then the pipe.
    a << meter.mid(0, 2) << parts.shape << meter.mid(2);
    return a;
}

QStringList measureArguments(const QStringList &conversion)
{
    const Parts parts = split(conversion);
    QStringList a{QStringLiteral("-nostdin")};
    a << parts.input << QStringLiteral("-map") << QStringLiteral("0:a:0");
    if (!parts.chain.isEmpty())
        a << QStringLiteral("-af") << parts.chain;
    a << parts.shape;
    // The float WAV output of the decoding pass, without its "-map [label]".
    a << meterOutputArguments(kMeterLabel).mid(2);
    return a;
}

QStringList withFilterLast(const QStringList &conversion, const QString &filter)
{
    QStringList a = conversion;
    for (qsizetype i = 0; i + 1 < a.size() - 1; ++i) {
        if (isFilterOption(a.at(i)) && i >= a.lastIndexOf(QStringLiteral("-i")) + 2) {
            a[i + 1] = a.at(i + 1).isEmpty() ? filter : a.at(i + 1) + QLatin1Char(',') + filter;
            return a;
        }
    }
    if (a.isEmpty())
        return a;
    a.insert(a.size() - 1, QStringLiteral("-af"));
    a.insert(a.size() - 1, filter);
    return a;
}

QStringList withGain(QStringList arguments, double gainDb)
{
    const QString filter = volumeFilter(gainDb);
    for (QString &word : arguments)
        word.replace(kGainPlaceholder, filter);
    return arguments;
}
} // namespace loudness

} // namespace quavero
