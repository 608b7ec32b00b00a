// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's place and size as the preferences keep them, and how a
// stored place is brought back onto the screen it now has. Pure.
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

namespace quavero {

struct WindowPlace {
    QRect geometry; // the window's own area, without the frame, when not maximized
    bool maximized = false;
};

namespace windowplace {
// "x,y,width,height", with ",maximized" after it when the window was.
QString toText(const WindowPlace &place);
// The place a text holds; none for a text that is not one (empty, a missing
// or extra part, a part that is no number, a size below one pixel).
std::optional<WindowPlace> fromText(const QString &text);
// The stored geometry held to the screen's available area: no larger than
// the area (nor smaller than minimum, unless the area is), then moved so that
// it lies wholly inside it.
QRect fitted(const QRect &stored, const QRect &available, const QSize &minimum);
} // namespace windowplace

} // namespace quavero
