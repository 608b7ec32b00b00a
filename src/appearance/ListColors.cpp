// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/ListColors.h"

#include <QtMath>

namespace quavero {

namespace {
// Text below this contrast against its row is taken as unreadable. It is
// low on purpose: a chosen pair of colours is the user's, only one that
// nearly vanishes is replaced.
constexpr double kLeastContrast = 1.25;

double channelLuminance(double value) { return value <= 0.03928 ? value / 12.92 : qPow((value + 0.055) / 1.055, 2.4); }

double luminance(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * channelLuminance(rgb.redF()) + 0.7152 * channelLuminance(rgb.greenF()) +
           0.0722 * channelLuminance(rgb.blueF());
}
} // namespace

namespace listcolors {
QColor resolve(listappearance::Source source, const QColor &listColor)
{
    switch (source) {
    case listappearance::Source::White:
        return QColor(Qt::white);
    case listappearance::Source::Black:
        return QColor(Qt::black);
    case listappearance::Source::ListColor:
        break;
    }
    return listColor;
}

QColor rowBackground(bool dark) { return dark ? QColor(Qt::black) : QColor(Qt::white); }

QColor alternateRowBackground(bool dark) { return dark ? QColor(0x26, 0x26, 0x28) : QColor(0xf0, 0xf2, 0xf5); }

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

QColor legibleText(const QColor &text, const QColor &background)
{
    if (contrastRatio(text, background) >= kLeastContrast)
        return text;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}
} // namespace listcolors

} // namespace quavero
