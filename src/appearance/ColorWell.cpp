// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/ColorWell.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace quavero {

ColorWell::ColorWell(QWidget *parent) : QPushButton(parent)
{
    setAutoDefault(false);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(this, &QPushButton::clicked, this, &ColorWell::choose);
}

void ColorWell::setColor(const QColor &color)
{
    if (!color.isValid())
        return;
    const bool changed = color != m_color;
    m_color = color;
    setToolTip(color.name(QColor::HexRgb).toUpper());
    update();
    if (changed)
        emit colorChanged(color);
}

void ColorWell::choose()
{
    if (!m_chooser)
        return;
    const QString title = accessibleName().isEmpty() ? toolTip() : accessibleName();
    const QColor chosen = m_chooser(m_color, title);
    if (chosen.isValid())
        setColor(chosen);
}

void ColorWell::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButtonBevel, option);

    // The swatch inside the bevel, with a thin frame so that a colour close to
    // the button's own still shows its edge.
    const QRect swatch = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(2, 2, -2, -2);
    painter.fillRect(swatch, m_color);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawRect(swatch.adjusted(0, 0, -1, -1));
}

} // namespace quavero
