// SPDX-License-Identifier: GPL-3.0-or-later
#include "appearance/TableRowBackground.h"

#include "appearance/ListColors.h"

#include <QAbstractItemView>
#include <QPaintEvent>
#include <QPainter>

namespace quavero {

TableRowBackground::TableRowBackground(QAbstractItemView *view, std::function<bool()> isDark, QObject *parent)
    : QObject(parent), m_view(view), m_isDark(std::move(isDark))
{
    if (!view)
        return;
    // The background is painted here, before the rows, instead of being
    // filled from the palette.
    view->viewport()->setAutoFillBackground(false);
    view->viewport()->installEventFilter(this);
}

bool TableRowBackground::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint || !m_view || watched != m_view->viewport())
        return QObject::eventFilter(watched, event);

    const bool dark = m_isDark();
    QColor fill = m_view->palette().color(QPalette::Base);
    if (m_view->alternatingRowColors()) {
        fill = listcolors::rowBackground(dark);
        // Every second row, drawn by the style from the palette.
        const QColor alternate = listcolors::alternateRowBackground(dark);
        if (m_view->palette().color(QPalette::AlternateBase) != alternate) {
            QPalette palette = m_view->palette();
            palette.setColor(QPalette::AlternateBase, alternate);
            m_view->setPalette(palette);
        }
    }
    QPainter painter(m_view->viewport());
    painter.fillRect(static_cast<QPaintEvent *>(event)->rect(), fill);
    return false;
}

} // namespace quavero
