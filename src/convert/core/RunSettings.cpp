// SPDX-License-Identifier: GPL-3.0-or-later
#include "convert/core/RunSettings.h"

#include <QtGlobal>

namespace quavero {

namespace runsettings {
RunSettings fromStored(const QString &filesAtOnce, const QString &pauseBetweenFiles, int processors)
{
    RunSettings settings;
    bool ok = false;
    const int stored = filesAtOnce.trimmed().toInt(&ok);
    if (ok)
        settings.filesAtOnce = qBound(1, stored, qMax(1, processors));
    settings.pauseBetweenFiles = pauseBetweenFiles.trimmed() != QLatin1String("0");
    return settings;
}

QString filesAtOnceText(int filesAtOnce) { return QString::number(filesAtOnce); }

QString pauseText(bool pause) { return pause ? QStringLiteral("1") : QStringLiteral("0"); }

bool flagFromStored(const QString &stored) { return stored.trimmed() == QLatin1String("1"); }

QString flagText(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }
} // namespace runsettings

} // namespace quavero
