// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/core/EffectSliders.h"

#include <cmath>

namespace quavero {

namespace effectsliders {
int sliderFromDecibels(qint64 decibels) { return int(decibels); }

qint64 decibelsFromSlider(double position) { return qint64(std::trunc(position)); }

int sliderFromSpeed(float factor) { return int(std::lround(double(factor) * 100.0)); }

float speedFromSlider(double percent) { return float(percent / 100.0); }

QString decibelsText(int position)
{
    if (position > 0)
        return QStringLiteral("+%1 dB").arg(position);
    return QStringLiteral("%1 dB").arg(position);
}

QString speedText(int percent) { return QStringLiteral("%1 %").arg(percent); }
} // namespace effectsliders

} // namespace quavero
