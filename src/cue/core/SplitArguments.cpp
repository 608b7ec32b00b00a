// SPDX-License-Identifier: GPL-3.0-or-later
#include "cue/core/SplitArguments.h"

namespace quavero {

namespace cue {
SplitArguments splitArguments(const QString &input, const SampleRange &range, int sampleRate)
{
    SplitArguments split;
    const qint64 seconds = sampleRate > 0 ? range.start / sampleRate : 0;
    const qint64 seekSample = seconds * sampleRate;
    if (seconds > 0)
        split.input << QStringLiteral("-ss") << QString::number(seconds);
    split.input << QStringLiteral("-i") << input;

    QString trim = QStringLiteral("atrim=start_sample=%1").arg(range.start - seekSample);
    if (!range.toEnd())
        trim += QStringLiteral(":end_sample=%1").arg(range.end - seekSample);
    split.filter = trim + QStringLiteral(",asetpts=N/SR/TB");
    return split;
}

QStringList withFilter(const QStringList &outputArguments, const QString &filter)
{
    QStringList arguments = outputArguments;
    for (qsizetype i = 0; i + 1 < arguments.size(); ++i) {
        const QString &option = arguments[i];
        if (option == QLatin1String("-af") || option == QLatin1String("-filter:a")) {
            arguments[i + 1] = filter + QLatin1Char(',') + arguments[i + 1];
            return arguments;
        }
    }
    arguments.prepend(filter);
    arguments.prepend(QStringLiteral("-af"));
    return arguments;
}
} // namespace cue

} // namespace quavero
