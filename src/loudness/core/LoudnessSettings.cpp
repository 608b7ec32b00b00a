// SPDX-License-Identifier: GPL-3.0-or-later
#include "loudness/core/LoudnessSettings.h"

#include "loudness/core/Normalize.h"

#include <cmath>

namespace quavero {

namespace loudness {
QString modeName(GainTagMode mode)
{
    switch (mode) {
    case GainTagMode::Track:
        return QStringLiteral("track");
    case GainTagMode::Album:
        return QStringLiteral("album");
    case GainTagMode::None:
        break;
    }
    return QStringLiteral("none");
}

std::optional<GainTagMode> modeFromName(const QString &name)
{
    for (GainTagMode mode : {GainTagMode::None, GainTagMode::Track, GainTagMode::Album})
        if (name.trimmed().compare(modeName(mode), Qt::CaseInsensitive) == 0)
            return mode;
    return std::nullopt;
}

std::optional<double> targetFromText(const QString &text)
{
    QString number = text.trimmed();
    if (number.endsWith(QLatin1String("LUFS"), Qt::CaseInsensitive))
        number = number.chopped(4).trimmed();
    bool ok = false;
    const double lufs = number.toDouble(&ok);
    if (!ok || !isTargetInRange(lufs))
        return std::nullopt;
    return lufs;
}

QString targetText(double lufs)
{
    // Tenths are as fine as a target needs; "-16", not "-16.0".
    const double tenths = std::round(lufs * 10.0) / 10.0;
    return QString::number(tenths == 0.0 ? 0.0 : tenths, 'g', 6);
}

LoudnessSettings fromStored(const QString &tags, const QString &normalize)
{
    LoudnessSettings settings;
    settings.tags = modeFromName(tags).value_or(GainTagMode::None);
    if (const auto target = targetFromText(normalize)) {
        settings.normalize = true;
        settings.targetLufs = *target;
    }
    return settings;
}

QStringList fingerprintWords(const LoudnessSettings &settings)
{
    QStringList words;
    if (settings.tags != GainTagMode::None)
        words << QStringLiteral("loudness-tags-") + modeName(settings.tags);
    if (settings.normalize)
        words << QStringLiteral("normalize-") + targetText(settings.targetLufs);
    return words;
}
} // namespace loudness

} // namespace quavero
