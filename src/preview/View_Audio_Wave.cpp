// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/View_Audio_Wave.h"

#include <QFontMetrics>
#include <QPainter>

namespace quavero {

View_Audio_Wave::View_Audio_Wave(QWidget *parent) : QWidget(parent)
{
    // Every pixel is painted: nothing of the parent needs to show through.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Waveform"));
    setAccessibleDescription(tr("No Audio Loaded"));
}

bool View_Audio_Wave::showPicture(const QString &picturePath, const QString &shownFile)
{
    const QImage picture(picturePath);
    if (picture.isNull())
        return false;
    m_picture = picture;
    m_shownFile = shownFile;
    setAccessibleDescription(shownFile);
    update();
    return true;
}

void View_Audio_Wave::setBackground(const QColor &color)
{
    if (!color.isValid() || color == m_background)
        return;
    m_background = color;
    update();
}

QPoint View_Audio_Wave::placeholderCorner(const QSize &size)
{
    return QPoint(size.width() / 20, size.height() - size.height() / 6);
}

void View_Audio_Wave::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter painter(this);
    // The picture is always stretched over the whole pane, also when only a
    // part of it is repainted. A background with some transparency stands
    // on black.
    const QRect area = rect();
    painter.fillRect(area, Qt::black);
    painter.fillRect(area, m_background);

    if (!m_picture.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(area, m_picture);
        return;
    }

    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(24);
    painter.setFont(font);
    painter.setPen(QColor::fromRgbF(1, 0, 0, 1));
    // The corner is the bottom of the text's line; the baseline sits its
    // descent above it.
    const QPoint corner = placeholderCorner(area.size());
    painter.drawText(corner - QPoint(0, QFontMetrics(font).descent()), tr("No Audio Loaded"));
}

} // namespace quavero
