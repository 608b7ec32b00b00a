// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core/WindowPlace.h"

#include <QStringList>

namespace quavero {

namespace windowplace {
namespace {
const QString kMaximized = QStringLiteral("maximized");

// The start of a span of `length` placed as near `wanted` as the span
// [low, low + room) allows.
int heldInside(int wanted, int length, int low, int room) { return qBound(low, wanted, low + qMax(0, room - length)); }
} // namespace

QString toText(const WindowPlace &place)
{
    const QRect &g = place.geometry;
    QString text = QStringLiteral("%1,%2,%3,%4").arg(g.x()).arg(g.y()).arg(g.width()).arg(g.height());
    if (place.maximized)
        text += QLatin1Char(',') + kMaximized;
    return text;
}

std::optional<WindowPlace> fromText(const QString &text)
{
    QStringList parts = text.split(QLatin1Char(','));
    WindowPlace place;
    if (parts.size() == 5 && parts.last() == kMaximized) {
        place.maximized = true;
        parts.removeLast();
    }
    if (parts.size() != 4)
        return std::nullopt;
    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (numbers[2] < 1 || numbers[3] < 1)
        return std::nullopt;
    place.geometry = QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
    return place;
}

QRect fitted(const QRect &stored, const QRect &available, const QSize &minimum)
{
    const int width = qMin(qMax(stored.width(), minimum.width()), available.width());
    const int height = qMin(qMax(stored.height(), minimum.height()), available.height());
    return QRect(heldInside(stored.x(), width, available.x(), available.width()),
                 heldInside(stored.y(), height, available.y(), available.height()), width, height);
}
} // namespace windowplace

} // namespace quavero
